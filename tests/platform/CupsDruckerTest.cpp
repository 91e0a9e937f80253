#include "platform/Drucker.h"

#include <gtest/gtest.h>

#include "platform/Umgebung.h"

// The print dialog always offers printing to a file; that is no printer. Without a CUPS server to
// ask there is no queue, and the answer comes at once instead of after a wait.
TEST(CupsDrucker, WithoutAReachableCupsServerThereIsNoPrinter) {
    TTempOrdner Temp;
    TUmgebung Umgebung;
    Umgebung.Setzen("CUPS_SERVER", Temp.Pfad() + "/kein-cups.sock");
    Umgebung.Setzen("HOME", Temp.Pfad());
    EXPECT_FALSE(DruckerInstalliert());
}
