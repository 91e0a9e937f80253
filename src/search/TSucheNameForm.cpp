#include "search/TSucheNameForm.h"

#include <algorithm>
#include <filesystem>

#include "controls/TFensterMasse.h"
#include "info/Namenstage.h"
#include "info/RemoveAmpersands.h"
#include "model/Trim.h"
#include "platform/Pfadteile.h"
#include "search/TNamenSuche.h"

namespace {
constexpr int Rand = TFensterMasse::Rand;
} // namespace

bool TSucheNameForm::SuchenErlaubt(std::string_view AText) {
    return !Trim(AText).empty();
}

std::string TSucheNameForm::Klein(std::string_view AText) {
    return SuchStrAus(AText);
}

bool TSucheNameForm::StartetNeuenNamen(char32_t AZeichen) {
    return AZeichen >= 32 && (AZeichen < 127 || AZeichen > 159);
}

std::string TSucheNameForm::EditAnsage() {
    return RemoveAmpersands(LabelCaption);
}

bool TSucheNameForm::Suchen(std::string_view AName, bool AGenauS) {
    SuchStr = Klein(AName);
    const TNamenSuche Suche = NamenstagSuchen(FProgrammordner, SuchStr, AGenauS);
    Ergebnis.clear();
    for (const std::string& Zeile : Suche.Zeilen) {
        if (!Ergebnis.empty()) {
            Ergebnis += '\n';
        }
        Ergebnis += Zeile;
    }
    // The first result line, or the start when the pane holds only the file's fault.
    const std::size_t Umbruch = Ergebnis.find('\n');
    ErgebnisCaret = Umbruch == std::string::npos ? 0 : Umbruch + 1;
    return Suche.Ergebnis != nsGefunden;
}

std::optional<std::string> TSucheNameForm::FehlendeDatei() const {
    const std::string Datei = NamenstageDatei(FProgrammordner);
    if (IstDatei(Datei)) {
        return std::nullopt;
    }
    return "Die Namenstags-Datei \"" + Datei + "\" existiert nicht!";
}

TSucheNameForm::TLage TSucheNameForm::Layout(const TMasse& AMasse) {
    TLage Lage;
    Lage.ClientWidth = std::max(AMasse.OwnerWidth - 50, 2 * AMasse.SchalterWidth + 3 * Rand);
    const int FeldLinks = Rand + AMasse.LabelWidth + Rand;
    const int FeldBreite = std::max(Lage.ClientWidth - FeldLinks - Rand, AMasse.SchalterWidth);
    Lage.ClientWidth = FeldLinks + FeldBreite + Rand;
    Lage.Edit = {FeldLinks, Rand, FeldBreite, AMasse.EditHeight};
    Lage.Label = {Rand, Rand + (AMasse.EditHeight - AMasse.LabelHeight) / 2, AMasse.LabelWidth,
                  AMasse.LabelHeight};
    Lage.Genau = {FeldLinks, Lage.Edit.Bottom() + Rand, FeldBreite, AMasse.CheckHeight};
    Lage.Ergebnis = {Rand, Lage.Genau.Bottom() + Rand, Lage.ClientWidth - 2 * Rand, 10 * AMasse.EditHeight};
    const int SchalterOben = Lage.Ergebnis.Bottom() + Rand;
    Lage.Suchen = {Lage.ClientWidth / 2 - Rand / 2 - AMasse.SchalterWidth, SchalterOben, AMasse.SchalterWidth,
                   AMasse.SchalterHeight};
    Lage.Schliessen = {Lage.ClientWidth / 2 + Rand / 2, SchalterOben, AMasse.SchalterWidth,
                       AMasse.SchalterHeight};
    Lage.ClientHeight = SchalterOben + AMasse.SchalterHeight + Rand;
    return Lage;
}
