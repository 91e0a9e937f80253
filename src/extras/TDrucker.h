#pragma once

// Printing lines of text, as the window system offers it: the day list's lines and the texts of
// the information window. The program binds the system's printing; tests bind a fake. The whole
// text reaches the paper: a line wider than the page goes on over indented continuation lines.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/TSchrift.h"

class TDrucker {
public:
    // One printed line: a text line, or the piece of one that fits the page.
    struct TDruckzeile {
        std::string Text;
        bool FortsetzungS = false; // a piece after the first, indented on the page

        bool operator==(const TDruckzeile&) const = default;
    };
    using TDruckseite = std::vector<TDruckzeile>;
    // The width of a text on the page, in the page's units; a longer text is never narrower.
    using TBreitenmass = std::function<int(std::string_view)>;

    virtual ~TDrucker() = default;

    // Prints the lines as the print job ATitel, or, when the system has no printer, says so.
    // False when nothing was printed (no printer, the print dialog cancelled, a failure).
    bool TextDrucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                     const TSchrift& AFont);

    // The same for a text whose lines end with LF or CR LF (the information window's panes).
    bool TextDrucken(const std::string& ATitel, const std::string& AText, const TSchrift& AFont);

    // The lines as printed lines no wider than ABreite. A line that does not fit is cut after
    // its last word that fits (a word that fits no line alone, after its last character that
    // does) and goes on on continuation lines, AEinzug narrower. Characters, not bytes, are
    // cut: an umlaut stays whole. Only the spaces at a cut are left out; a printed line holds
    // at least one character however narrow the page, and an empty line stays a line.
    static std::vector<TDruckzeile> Umbrechen(const std::vector<std::string>& AZeilen, int ABreite,
                                              int AEinzug, const TBreitenmass& AMass);

    // The printed lines in their order, AZeilenJeSeite (at least one) on a page; always a page.
    static std::vector<TDruckseite> Seitenweise(const std::vector<TDruckzeile>& AZeilen, int AZeilenJeSeite);

    static constexpr const char* KeinDruckerMeldung = "Es ist kein Drucker installiert!";

protected:
    // Whether the system has a printer to print to.
    virtual bool DruckerVorhanden() = 0;
    // Shows the print dialog and prints the lines, wrapped to the page (Umbrechen) and page by
    // page (Seitenweise), in AFont's typeface, size and style but black on white. False when
    // the dialog was cancelled or printing failed.
    virtual bool Drucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                         const TSchrift& AFont) = 0;
};
