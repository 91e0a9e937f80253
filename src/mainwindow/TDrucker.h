#pragma once

// Printing lines of text, as the window system offers it: the day list's lines and the texts of
// the information window. The program binds the system's printing; tests bind a fake.

#include <string>
#include <vector>

#include "mainwindow/TSchrift.h"

class TDrucker {
public:
    virtual ~TDrucker() = default;

    // Prints the lines as the print job ATitel, or, when the system has no printer, says so.
    // False when nothing was printed (no printer, the print dialog cancelled, a failure).
    bool TextDrucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                     const TSchrift& AFont);

    // The same for a text whose lines end with LF or CR LF (the information window's panes).
    bool TextDrucken(const std::string& ATitel, const std::string& AText, const TSchrift& AFont);

    static constexpr const char* KeinDruckerMeldung = "Es ist kein Drucker installiert!";

protected:
    // Whether the system has a printer to print to.
    virtual bool DruckerVorhanden() = 0;
    // Shows the print dialog and prints the lines, each on a line of its own and cut at the
    // page's edge, in AFont's typeface, size and style but black on white. False when the dialog
    // was cancelled or printing failed.
    virtual bool Drucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                         const TSchrift& AFont) = 0;
};
