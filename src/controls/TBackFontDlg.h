#pragma once

// The font and colour dialog without a window toolkit: what its lists hold and which entries are
// marked and chosen at the start, the checks on the size field, what each field speaks, the
// confirmation of equal colours, the chosen font and background colour, and the layout.
// The caller's font is copied in and never changed; the result is read after OK with GetNewFont
// and ChosenBackColor from what the controls hold then.

#include <string>
#include <vector>

#include "controls/TBackFontDlgTexts.h"
#include "controls/TColors.h"
#include "controls/TFensterMasse.h"
#include "controls/TRechteck.h"
#include "settings/TSchrift.h"

class TMeldungsPort;

class TBackFontDlg {
public:
    static constexpr int MinGroesse = MinSchriftgroesse;
    static constexpr int MaxGroesse = MaxSchriftgroesse;
    // The size field takes as many characters as the largest size has digits.
    static constexpr int MaxGroesseLaenge = 2;

    // The tags of the controls that speak on focus.
    enum TTag { tgFonts = 1, tgFarbe = 2, tgGroesse = 3, tgHintergrund = 4 };

    TBackFontDlg(const TSchrift& AAktFont, TFarbe AAktBackColor, TBackFontDlgTexts ATexts = {});

    const TBackFontDlgTexts& Texts() const { return FTexts; }
    const TColors& Colors() const { return FColors; }
    // The size label: "Schrift&größe (5-35):".
    std::string GroesseCaption() const;

    // The font list: one row per typeface, the current one as "*" and its name.
    std::vector<std::string> FontZeilen(const std::vector<std::string>& AFamilien) const;
    // The row selected at the start: the current typeface's, else the first (-1 for no rows).
    int StartFontZeile(const std::vector<std::string>& AFamilien) const;
    // The colour lists: the table's names (with the suffix for the background), the current
    // colour's entry marked with a leading "*".
    std::vector<std::string> FarbZeilen(bool AHintergrundS) const;
    // The entry selected at the start: the current colour's, else entry 0.
    int StartFarbe(bool AHintergrundS) const;
    // The size shown at the start: the current font's, held within 5..35.
    int StartGroesse() const;
    bool StartFettS() const;

    // OK is enabled only while the size field holds a whole number from 5 to 35.
    static bool GroesseGueltig(const std::string& AText);
    // The size taken when the field is left: its number held within 5..35, or 5 when it is none.
    static int GroesseAusText(const std::string& AText);

    // What a control speaks when it receives the focus: the font row, a colour list's text or the
    // size field's text.
    std::string Ansage(TTag ATag, const std::string& AText) const;

    // The chosen font: the caller's font with the typeface of font row AFontZeile (its plain name,
    // never the marker; unchanged without a row), the size, bold or no style at all, and the
    // colour of entry AFarbe (entry 0 when none is selected).
    TSchrift GetNewFont(const std::vector<std::string>& AFamilien, int AFontZeile, int AGroesse, bool AFettS,
                        int AFarbe) const;
    // The colour of background entry ABackFarbe, or entry 0 when none is selected.
    TFarbe ChosenBackColor(int ABackFarbe) const;
    // Whether OK may close the dialog: with the same entry for text and background the user is
    // asked (Yes closes).
    bool SchliessenMitOk(int AFarbe, int ABackFarbe, TMeldungsPort& APort) const;

    // The widths and heights the layout is computed from, measured in the user font.
    struct TMasse {
        int ListWidth = 0; // the widest font row with "MM"
        int SchalterWidth = 0;
        int SchalterHeight = 0;
        int LabelWidth = 0;
        int LabelHeight = 0;
        int GroesseWidth = 0;
        int GroesseHeight = 0;
        int UpDownWidth = 0; // 0 when the field carries its arrows itself
        int FettWidth = 0;
        int FettHeight = 0;
        int ComboHeight = 0;
        int VorschauHeight = 0; // one line of the preview field
    };
    struct TLage {
        TRechteck Fonts;
        TRechteck Label;
        TRechteck Groesse;
        TRechteck Fett;
        TRechteck Farben;
        TRechteck HintergrundFarben;
        TRechteck Vorschau;
        TRechteck Ok;
        TRechteck Abbrechen;
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    static TLage Layout(const TMasse& AMasse);
    // The font list's width: the widest row followed by "MM".
    static int FontListenBreite(const std::vector<std::string>& AZeilen,
                                const TFensterMasse::TCaptionWidth& AWidth);

private:
    TSchrift FAktFont;
    TFarbe FAktBackColor;
    TBackFontDlgTexts FTexts;
    TColors FColors;
};
