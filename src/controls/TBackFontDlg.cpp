#include "controls/TBackFontDlg.h"

#include <algorithm>

#include "model/Fuellen.h"
#include "model/Trim.h"
#include "model/Ziffernzahl.h"
#include "platform/TMeldungsPort.h"

namespace {

constexpr int Rand = TFensterMasse::Rand;
constexpr int Leer = 5;

} // namespace

TBackFontDlg::TBackFontDlg(const TSchrift& AAktFont, TFarbe AAktBackColor, TBackFontDlgTexts ATexts)
    : FAktFont(AAktFont), FAktBackColor(AAktBackColor), FTexts(MitStandardTexten(std::move(ATexts))),
      FColors(FTexts.ColorNames, FTexts.BackgroundSuffix) {}

std::string TBackFontDlg::GroesseCaption() const {
    return Fuellen(FTexts.FontSizeCaption, {std::to_string(MinGroesse), std::to_string(MaxGroesse)});
}

std::vector<std::string> TBackFontDlg::FontZeilen(const std::vector<std::string>& AFamilien) const {
    std::vector<std::string> Zeilen;
    for (const std::string& Name : AFamilien) {
        Zeilen.push_back(Name == FAktFont.Name ? "*" + Name : Name);
    }
    return Zeilen;
}

int TBackFontDlg::StartFontZeile(const std::vector<std::string>& AFamilien) const {
    const auto Treffer = std::find(AFamilien.begin(), AFamilien.end(), FAktFont.Name);
    if (Treffer != AFamilien.end()) {
        return static_cast<int>(Treffer - AFamilien.begin());
    }
    return AFamilien.empty() ? -1 : 0;
}

std::vector<std::string> TBackFontDlg::FarbZeilen(bool AHintergrundS) const {
    std::vector<std::string> Zeilen = FColors.FillStringList(AHintergrundS);
    TColorName Aktuell;
    if (FColors.FindColor(AHintergrundS ? FAktBackColor : FAktFont.Farbe, Aktuell)) {
        Zeilen[Aktuell.Index] = "*" + Zeilen[Aktuell.Index];
    }
    return Zeilen;
}

int TBackFontDlg::StartFarbe(bool AHintergrundS) const {
    TColorName Aktuell;
    return FColors.FindColor(AHintergrundS ? FAktBackColor : FAktFont.Farbe, Aktuell) ? Aktuell.Index : 0;
}

int TBackFontDlg::StartGroesse() const {
    return std::clamp(FAktFont.Groesse, MinGroesse, MaxGroesse);
}

bool TBackFontDlg::StartFettS() const {
    return (FAktFont.Stil & fsBold) != 0;
}

bool TBackFontDlg::GroesseGueltig(const std::string& AText) {
    const std::optional<int> Wert = Ziffernzahl(Trim(AText), 9);
    return Wert && *Wert >= MinGroesse && *Wert <= MaxGroesse;
}

int TBackFontDlg::GroesseAusText(const std::string& AText) {
    const std::optional<int> Wert = Ziffernzahl(Trim(AText), 9);
    return Wert ? std::clamp(*Wert, MinGroesse, MaxGroesse) : MinGroesse;
}

std::string TBackFontDlg::Ansage(TTag ATag, const std::string& AText) const {
    switch (ATag) {
    case tgFonts:
        return Fuellen(FTexts.TolkFontName, {AText});
    case tgFarbe:
        return Fuellen(FTexts.TolkFontColor, {AText});
    case tgGroesse:
        return Fuellen(FTexts.TolkFontSize, {std::to_string(MinGroesse), std::to_string(MaxGroesse), AText});
    case tgHintergrund:
        return Fuellen(FTexts.TolkBackColor, {AText});
    }
    return "";
}

TSchrift TBackFontDlg::GetNewFont(const std::vector<std::string>& AFamilien, int AFontZeile, int AGroesse,
                                  bool AFettS, int AFarbe) const {
    TSchrift Schrift = FAktFont;
    if (AFontZeile >= 0 && AFontZeile < static_cast<int>(AFamilien.size())) {
        Schrift.Name = AFamilien[AFontZeile];
    }
    Schrift.Groesse = std::clamp(AGroesse, MinGroesse, MaxGroesse);
    Schrift.Stil = AFettS ? fsBold : 0;
    Schrift.Farbe = FColors.Get(AFarbe).Color;
    return Schrift;
}

TFarbe TBackFontDlg::ChosenBackColor(int ABackFarbe) const {
    return FColors.Get(ABackFarbe).Color;
}

bool TBackFontDlg::SchliessenMitOk(int AFarbe, int ABackFarbe, TMeldungsPort& APort) const {
    if (FColors.Get(AFarbe).Index != FColors.Get(ABackFarbe).Index) {
        return true;
    }
    return APort.Zeige(maBestaetigung, FTexts.EqualColorsQuestion, mkJaNein) == maJa;
}

int TBackFontDlg::FontListenBreite(const std::vector<std::string>& AZeilen,
                                   const TFensterMasse::TCaptionWidth& AWidth) {
    int Breite = 0;
    for (const std::string& Zeile : AZeilen) {
        Breite = std::max(Breite, AWidth(Zeile + "MM"));
    }
    return Breite;
}

TBackFontDlg::TLage TBackFontDlg::Layout(const TMasse& AMasse) {
    TLage Lage;
    Lage.Fonts = {Rand, Rand, AMasse.ListWidth, 6 * AMasse.SchalterHeight};
    Lage.Groesse = {Lage.Fonts.Right() + Rand + AMasse.LabelWidth + Leer,
                    Lage.Fonts.Top + (Lage.Fonts.Height - AMasse.GroesseHeight) / 3, AMasse.GroesseWidth,
                    AMasse.GroesseHeight};
    Lage.Label = {Lage.Fonts.Right() + Rand,
                  Lage.Groesse.Top + (AMasse.GroesseHeight - AMasse.LabelHeight) / 2, AMasse.LabelWidth,
                  AMasse.LabelHeight};
    Lage.Fett = {Lage.Groesse.Right() + AMasse.UpDownWidth + Rand, Lage.Groesse.Top, AMasse.FettWidth,
                 AMasse.FettHeight};
    // Both buttons always fit side by side.
    Lage.ClientWidth = std::max(Lage.Fett.Right() + Rand, 2 * AMasse.SchalterWidth + 3 * Rand);
    const int FarbenLinks = Lage.Fonts.Right() + Rand;
    const int FarbenBreite = Lage.ClientWidth - Rand - FarbenLinks;
    Lage.Farben = {FarbenLinks, Lage.Groesse.Bottom() + 2 * Rand, FarbenBreite, AMasse.ComboHeight};
    Lage.HintergrundFarben = {FarbenLinks, Lage.Farben.Bottom() + 2 * Rand, FarbenBreite, AMasse.ComboHeight};
    // The preview below the list, and below the colour lists when they reach further down; five
    // lines high, so that the largest size fits.
    Lage.Vorschau = {Rand, std::max(Lage.Fonts.Bottom(), Lage.HintergrundFarben.Bottom()) + 2 * Rand,
                     Lage.ClientWidth - 2 * Rand, 5 * AMasse.VorschauHeight};
    const int Links = (Lage.ClientWidth - 2 * AMasse.SchalterWidth) / 3;
    const int Oben = Lage.Vorschau.Bottom() + 2 * Rand;
    Lage.Ok = {Links, Oben, AMasse.SchalterWidth, AMasse.SchalterHeight};
    Lage.Abbrechen = {2 * Links + AMasse.SchalterWidth, Oben, AMasse.SchalterWidth, AMasse.SchalterHeight};
    Lage.ClientHeight = Lage.Ok.Bottom() + Rand;
    return Lage;
}
