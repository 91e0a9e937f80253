#include "search/TSuchenForm.h"

#include <algorithm>

#include "controls/TFensterMasse.h"
#include "search/TNamenSuche.h"
#include "search/TSuchKlassenForm.h"

namespace {
constexpr int Rand = TFensterMasse::Rand;
} // namespace

void TSuchenForm::BeimZeigen() {
    if (ItemIndex < 0 || ItemIndex > 2) {
        ItemIndex = 0;
    }
}

int TSuchenForm::SuchNr() const {
    return std::clamp(ItemIndex, 0, 2) + snKurztext;
}

bool TSuchenForm::OkErlaubt(std::string_view AText) {
    return !AText.empty();
}

std::string TSuchenForm::Klein(std::string_view AText) {
    return SuchStrAus(AText);
}

std::string TSuchenForm::EditAnsage() {
    return "Suchbegriff:";
}

std::string TSuchenForm::GruppeAnsage() {
    return "Suchen in";
}

TSuchenForm::TLage TSuchenForm::Layout(const TMasse& AMasse) {
    TLage Lage;
    const int GruppeBreite = std::max(2 * AMasse.LabelWidth, AMasse.GruppeWidth);
    const int GruppeHoehe = std::max(5 * AMasse.EditHeight, AMasse.GruppeHeight);
    Lage.Edit = {Rand + AMasse.LabelWidth + Rand, Rand, 2 * AMasse.LabelWidth, AMasse.EditHeight};
    Lage.Label = {Rand, Rand + (AMasse.EditHeight - AMasse.LabelHeight) / 2, AMasse.LabelWidth,
                  AMasse.LabelHeight};
    Lage.Gruppe = {Lage.Edit.Right() + Rand, Rand, GruppeBreite, GruppeHoehe};
    Lage.ClientWidth = std::max(Lage.Gruppe.Right() + Rand, 2 * AMasse.SchalterWidth + 3 * Rand);
    const int SchalterOben = Lage.Gruppe.Bottom() + Rand;
    Lage.Ok = {Lage.ClientWidth / 2 - Rand / 2 - AMasse.SchalterWidth, SchalterOben, AMasse.SchalterWidth,
               AMasse.SchalterHeight};
    Lage.Abbrechen = {Lage.ClientWidth / 2 + Rand / 2, SchalterOben, AMasse.SchalterWidth,
                      AMasse.SchalterHeight};
    Lage.ClientHeight = SchalterOben + AMasse.SchalterHeight + Rand;
    return Lage;
}
