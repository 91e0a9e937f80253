#pragma once

// The preview-days dialog without a window toolkit: its texts, the checks on the number field,
// the number read from it, its keys and its layout.

#include <string>

#include "controls/TRechteck.h"

class TVortageForm {
public:
    static constexpr const char* Caption = "Anzahl der Vorschautage";
    static constexpr const char* LabelCaption = "&Tage:";
    static constexpr const char* OkCaption = "O&K";
    static constexpr const char* CancelCaption = "&Abbrechen";
    static constexpr int MinTage = 2;
    static constexpr int MaxTage = 9;
    static constexpr int StartTage = 3;
    // The field takes one character.
    static constexpr int MaxLaenge = 1;

    // Spoken when the number field receives the focus.
    static std::string Ansage();
    // OK is enabled exactly when the trimmed text is not empty.
    static bool OkErlaubt(const std::string& AText);
    // The number the caller reads: held within 2..9; a text that is not a number counts as 2.
    static int Tage(const std::string& AText);
    // The field's text for a preset number (held within 2..9 too).
    static std::string Text(int ATage);

    enum class TTaste { Escape, Enter };
    enum class TErgebnis { Weiter, Nichts, Ok, Abbrechen };
    // A key in the number field. Escape cancels; Enter without Shift, Ctrl or Alt ends with OK
    // when OK is enabled and otherwise does nothing (Nichts: the key is consumed). Enter with a
    // modifier goes on (Weiter) to the dialog.
    static TErgebnis Taste(TTaste ATaste, bool AModifikatorS, const std::string& AText);

    struct TMasse {
        int LabelWidth = 0;
        int LabelHeight = 0;
        int FeldHeight = 0;
        // The narrowest the toolkit draws the number field with its arrows.
        int FeldMinWidth = 0;
        int SchalterWidth = 0;
        int SchalterHeight = 0;
    };
    struct TLage {
        TRechteck Label;
        TRechteck Feld;
        TRechteck Ok;
        TRechteck Abbrechen;
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    // The label at the left margin, vertically centred on the field, which stands 5 pixels right of
    // it and is two label heights wide (or as wide as the toolkit needs); the buttons 10 pixels
    // below the field, side by side from the left margin, 10 pixels apart and from the edges.
    static TLage Layout(const TMasse& AMasse);
};
