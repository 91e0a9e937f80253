#include "mainwindow/TVortageForm.h"

#include <algorithm>
#include <charconv>

#include "controls/TFensterMasse.h"
#include "info/RemoveAmpersands.h"
#include "model/Trim.h"

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
    const std::string_view Zahl = Trim(AText);
    long long Wert = 0;
    const auto [Ende, Fehler] = std::from_chars(Zahl.data(), Zahl.data() + Zahl.size(), Wert);
    if (Zahl.empty() || Fehler == std::errc::invalid_argument || Ende != Zahl.data() + Zahl.size()) {
        return MinTage;
    }
    // A number too large for any integer is still a number: the nearest limit.
    if (Fehler == std::errc::result_out_of_range) {
        return Zahl.front() == '-' ? MinTage : MaxTage;
    }
    return static_cast<int>(std::clamp<long long>(Wert, MinTage, MaxTage));
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
