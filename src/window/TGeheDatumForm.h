#pragma once

// The go-to-date dialog without a window toolkit: its texts, what it speaks and its layout. The
// date itself is the date picker's (limited to the calendar range there).

#include <string>

#include "controls/TRechteck.h"

class TGeheDatumForm {
public:
    static constexpr const char* Caption = "Gehe zu Datum";
    static constexpr const char* LabelCaption = "&Datum:";
    static constexpr const char* OkCaption = "O&K";
    static constexpr const char* CancelCaption = "&Abbrechen";

    // Spoken when the picker receives the focus: the label without "&".
    static std::string Ansage();

    // What the layout is computed from, measured in the user font.
    struct TMasse {
        int LabelWidth = 0;
        int LabelHeight = 0;
        int PickerHeight = 0;
        int SchalterWidth = 0;
        int SchalterHeight = 0;
    };
    struct TLage {
        TRechteck Label;
        TRechteck Picker; // with its up-down control
        TRechteck Ok;
        TRechteck Abbrechen;
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    // The label at the left margin, vertically centred on the picker, which stands 5 pixels right of
    // it and is three label widths wide; three button widths of client width (wider only when the
    // picker would not fit); the buttons 10 pixels below the picker, spread in thirds.
    static TLage Layout(const TMasse& AMasse);
};
