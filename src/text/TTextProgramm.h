#pragma once

// The text front end's commands: each prints its text to the output stream, line by line with
// LF, and reports faults on the error stream with an exit code (1 for reading or writing, 2 for
// the command line).

#include <ostream>
#include <string>

#include "model/TDaten.h"
#include "platform/SystemKlang.h"
#include "platform/Zeitzone.h"
#include "text/TTextAufruf.h"
#include "text/TTextMeldungsPort.h"

class TTextProgramm {
public:
    // AProgrammordner is used when the call names none. The references must outlive this object.
    TTextProgramm(std::ostream& AAus, std::ostream& AFehler, const TZeitzone& AZeitzone, TSystemKlang& AKlang,
                  std::string AProgrammordner);

    // Runs one call and returns the exit code. A call with Heute fixes the clock to that day
    // (0:00) and leaves it fixed.
    int Ausfuehren(const TTextAufruf& AAufruf);

private:
    std::ostream& FAus;
    std::ostream& FFehler;
    const TZeitzone& FZeitzone;
    TSystemKlang& FKlang;
    std::string FProgrammordner;
    TTextMeldungsPort FPort;

    void Befehl(const TTextAufruf& A);
    void Pruefen(const TTextAufruf& A);
    void Liste(const TTextAufruf& A);
    void Info(const TTextAufruf& A);
    void Vorschau(const TTextAufruf& A);
    void Mondphasen(const TTextAufruf& A);
    void Feiertage(const TTextAufruf& A);
    void NamenSuche(const TTextAufruf& A);
    void Importieren(const TTextAufruf& A);
    // Defined where the iCalendar room is built.
    void IcsImportieren(const TTextAufruf& A);
    void Exportieren(const TTextAufruf& A);

    // The main file of the call, then its additional files as file ids 1, 2, ...
    void Laden(const TTextAufruf& A, TDaten& ADaten);
    std::string Programmordner(const TTextAufruf& A) const;
};
