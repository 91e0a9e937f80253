#include "settings/TVortageForm.h"

#include <algorithm>

#include "controls/TFensterMasse.h"
#include "info/RemoveAmpersands.h"
#include "model/Trim.h"
#include "model/Ziffernzahl.h"

namespace {
constexpr int Rand = TFensterMasse::Rand;
constexpr int Leer = 5;
} // namespace

std::string TVortageForm::Ansage() {
    return RemoveAmpersands(LabelCaption);
}

bool TVortageForm::OkErlaubt(const std::string& AText) {
    return !Trim(AText).empty();
}

int TVortageForm::Tage(const std::string& AText) {
    // A number too large for any integer is still a number: the nearest limit. Anything else,
    // a sign included, is below the smallest.
    const std::optional<int> Wert = Ziffernzahl(Trim(AText), std::string_view::npos);
    return Wert ? std::clamp(*Wert, MinTage, MaxTage) : MinTage;
}

std::string TVortageForm::Text(int ATage) {
    return std::to_string(std::clamp(ATage, MinTage, MaxTage));
}

TVortageForm::TErgebnis TVortageForm::Taste(TTaste ATaste, bool AModifikatorS, const std::string& AText) {
    if (ATaste == TTaste::Escape) {
        return TErgebnis::Abbrechen;
    }
    if (AModifikatorS) {
        return TErgebnis::Weiter;
    }
    return OkErlaubt(AText) ? TErgebnis::Ok : TErgebnis::Nichts;
}

TVortageForm::TLage TVortageForm::Layout(const TMasse& AMasse) {
    TLage Lage;
    Lage.Feld = {Rand + AMasse.LabelWidth + Leer, Rand, std::max(2 * AMasse.LabelHeight, AMasse.FeldMinWidth),
                 AMasse.FeldHeight};
    Lage.Label = {Rand, Lage.Feld.Top + (AMasse.FeldHeight - AMasse.LabelHeight) / 2, AMasse.LabelWidth,
                  AMasse.LabelHeight};
    const int Oben = Lage.Feld.Bottom() + Rand;
    Lage.Ok = {Rand, Oben, AMasse.SchalterWidth, AMasse.SchalterHeight};
    Lage.Abbrechen = {2 * Rand + AMasse.SchalterWidth, Oben, AMasse.SchalterWidth, AMasse.SchalterHeight};
    Lage.ClientWidth = std::max(Lage.Abbrechen.Right(), Lage.Feld.Right()) + Rand;
    Lage.ClientHeight = Lage.Ok.Bottom() + Rand;
    return Lage;
}
