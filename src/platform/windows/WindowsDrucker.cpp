#include "platform/Drucker.h"

#include <windows.h>

// The printers of this computer and the connected network printers. A file printer that the
// system installs ("Microsoft Print to PDF" and the like) counts, as the print dialog offers it
// as a printer.
bool DruckerInstalliert() {
    DWORD Bytes = 0;
    DWORD Anzahl = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &Bytes, &Anzahl);
    return Bytes > 0;
}
