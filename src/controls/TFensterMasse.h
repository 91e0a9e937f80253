#pragma once

// The arithmetic every dialog window shares: control heights from a font's text height, one
// button width for all buttons from their captions, and the place that centres a window over its
// owner. The measuring itself (text widths and heights in a font) is the window toolkit's; it is
// handed in, so that the rules are tested without a display.

#include <functional>
#include <string>
#include <vector>

#include "controls/TRechteck.h"

enum class TControlArt { Sonstiges, Edit, Button, Statusleiste, Kontrollkaestchen };

class TFensterMasse {
public:
    // Margin and spacing unit of every dialog.
    static constexpr int Rand = 10;
    // No button of a dialog is narrower.
    static constexpr int MinSchalterBreite = 125;

    // The width of a text in the buttons' font followed by one blank (CaptionWidth).
    using TCaptionWidth = std::function<int(const std::string&)>;

    // AFontTextHeight (12 when 0 or less) plus the control's own margins: 8 for single-line edits
    // (and the pickers), 12 for buttons, 6 for status bars, 8 for check boxes and radio groups.
    static int ControlHeight(int AFontTextHeight, TControlArt AArt);
    // The widest caption with every "&" removed and "MM" appended, but at least AMindestens.
    static int SchalterBreite(const std::vector<std::string>& ACaptions, const TCaptionWidth& ACaptionWidth,
                              int AMindestens = MinSchalterBreite);
    // A window of AWidth x AHeight centred over AOwner: top = owner top + (owner height - own
    // height) div 2, left likewise; then moved as little as needed to lie within ABereich (the
    // screen's work area), so that a dialog larger than its owner near a screen edge is not cut
    // off; one larger than the area starts at its top left corner.
    static TRechteck Zentriert(const TRechteck& AOwner, int AWidth, int AHeight, const TRechteck& ABereich);
};
