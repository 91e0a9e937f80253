#pragma once

// The dialog of the additionally loaded files without a window toolkit: the list's lines, removing
// a file (asked first) and the layout.

#include <string>
#include <vector>

#include "controls/TRechteck.h"

class TDaten;
class TGeladenClass;
class TMeldungsPort;

class TGeladenForm {
public:
    static constexpr const char* Caption = "Geladene Dateien aus Liste entfernen";
    static constexpr const char* EntfernenCaption = "&Entfernen";
    static constexpr const char* SchliessenCaption = "S&chließen";

    // Both outlive the dialog's run; the main window's calendar and its registry of loaded files.
    TGeladenForm(TDaten& ADaten, TGeladenClass& AGeladen) : DatenRef(ADaten), GeladenRef(AGeladen) {}

    // One line per registered file, in registration order: "name (id*)", the name without folder.
    std::vector<std::string> Zeilen() const;
    // "&Entfernen" is enabled exactly when there are lines.
    bool EntfernenErlaubt() const;
    // Asks whether the file of line ANr is to be removed; unless the answer is No, its entries
    // leave the calendar and the file leaves the registry. True when it was removed; a line that
    // belongs to no registered file changes nothing and asks nothing.
    bool Entfernen(int ANr, TMeldungsPort& APort);

    struct TMasse {
        int SchalterWidth = 0;
        int SchalterHeight = 0;
    };
    struct TLage {
        TRechteck Liste;
        TRechteck Entfernen;
        TRechteck Schliessen;
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    // The list at the margins, five button heights high; the buttons 10 pixels below it, one button
    // width from the left edge and from each other and from the right edge.
    static TLage Layout(const TMasse& AMasse);

private:
    TDaten& DatenRef;
    TGeladenClass& GeladenRef;
};
