#include "search/TSuchKlassenForm.h"

#include <algorithm>

#include "controls/TFensterMasse.h"
#include "info/RemoveAmpersands.h"
#include "info/TInfosTexte.h"
#include "model/TDaten.h"
#include "model/Textvergleich.h"

namespace {

constexpr int Rand = TFensterMasse::Rand;

// Umlauts and ß sort with their base letters, as a German reader looks for them.
std::u32string Sortierschluessel(const std::string& AZeile) {
    std::u32string Schluessel = Kleinbuchstaben(AZeile);
    for (std::size_t i = 0; i < Schluessel.size(); ++i) {
        switch (Schluessel[i]) {
        case U'ä':
            Schluessel[i] = U'a';
            break;
        case U'ö':
            Schluessel[i] = U'o';
            break;
        case U'ü':
            Schluessel[i] = U'u';
            break;
        case U'ß':
            Schluessel.replace(i, 1, U"ss");
            ++i;
            break;
        default:
            break;
        }
    }
    return Schluessel;
}

// AKlein is the buffer for the lower-cased text, kept over the whole search.
bool Enthaelt(const std::string& AText, const std::u32string& ABegriff, std::u32string& AKlein) {
    if (AText.size() < ABegriff.size()) {
        return false; // every code point takes at least one byte
    }
    KleinbuchstabenIn(AText, AKlein);
    return AKlein.find(ABegriff) != std::u32string::npos;
}

// The occurrence a found entry jumps to: the first after the day ADatum within the limit, else the
// first within the limit; -1 when no occurrence is shown (all lie after the limit).
std::int32_t Sprungziel(const TDatenClass& AEintrag, TTag ADatum) {
    const TDatumListe& Liste = AEintrag.DatumListe;
    std::int32_t Erstes = -1;
    for (std::size_t i = 0; i < Liste.size(); ++i) {
        if (Liste[i].Datum > AEintrag.EndeDatum) {
            continue;
        }
        if (Liste[i].Datum > ADatum) {
            return static_cast<std::int32_t>(i);
        }
        if (Erstes < 0) {
            Erstes = static_cast<std::int32_t>(i);
        }
    }
    return Erstes;
}

} // namespace

bool TSuchKlassenForm::SucheKlassenOk(TTag ADatum) {
    FResults.clear();
    ItemIndex = -1;
    if (DatenRef == nullptr || Suchbegriff.empty()) {
        return false;
    }
    const std::u32string Begriff = Kleinbuchstaben(Suchbegriff);
    std::u32string Klein;
    for (std::int32_t n = 0; n < DatenRef->Count(); ++n) {
        TDatenClass& Eintrag = (*DatenRef)[n];
        const bool Passt = ((SuchNr & snKurztext) != 0 && Enthaelt(Eintrag.Kurztext, Begriff, Klein)) ||
                           ((SuchNr & snLangtext) != 0 && Enthaelt(Eintrag.Langtext, Begriff, Klein));
        if (!Passt) {
            continue;
        }
        const std::int32_t Ziel = Sprungziel(Eintrag, ADatum);
        if (Ziel >= 0) {
            FResults.push_back({"\"" + Eintrag.Kurztext + "\"", TTagClass(Ziel, &Eintrag)});
        }
    }
    std::vector<std::pair<std::u32string, TSuchTreffer>> Sortiert;
    Sortiert.reserve(FResults.size());
    for (TSuchTreffer& Treffer : FResults) {
        Sortiert.emplace_back(Sortierschluessel(Treffer.Zeile), std::move(Treffer));
    }
    std::stable_sort(Sortiert.begin(), Sortiert.end(),
                     [](const auto& A, const auto& B) { return A.first < B.first; });
    for (std::size_t i = 0; i < Sortiert.size(); ++i) {
        FResults[i] = std::move(Sortiert[i].second);
    }
    ItemIndex = FResults.empty() ? -1 : 0;
    return !FResults.empty();
}

const TTagClass* TSuchKlassenForm::GetTagClass() const {
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(FResults.size())) {
        return nullptr;
    }
    return &FResults[ItemIndex].TagClass;
}

std::string TSuchKlassenForm::InfosText(TInfosTexte& AInfos) const {
    const TTagClass* TagClass = GetTagClass();
    if (TagClass == nullptr) {
        return {};
    }
    return AInfos.InfosInText(TagClass, TagClass->DatenClass->DatumListe[TagClass->DatumNr].Datum);
}

std::string TSuchKlassenForm::ListeAnsage() {
    return RemoveAmpersands(ListeCaption);
}

TSuchKlassenForm::TLage TSuchKlassenForm::Layout(const TMasse& AMasse) {
    TLage Lage;
    Lage.ClientWidth = std::max(AMasse.OwnerWidth - 50, 3 * AMasse.SchalterWidth + 2 * Rand);
    Lage.ClientHeight = std::min(AMasse.OwnerHeight - 50, 600);
    // Room for the label column, two fields of three lines each and the buttons.
    Lage.ClientHeight =
        std::max(Lage.ClientHeight, AMasse.SchalterHeight + 6 * AMasse.LabelHeight + 4 * Rand);
    const int FeldLinks = Rand + AMasse.LabelWidth + Rand;
    const int FeldBreite = std::max(Lage.ClientWidth - FeldLinks - Rand, AMasse.SchalterWidth);
    Lage.ClientWidth = FeldLinks + FeldBreite + Rand;
    const int SchalterOben = Lage.ClientHeight - Rand - AMasse.SchalterHeight;
    const int Frei = SchalterOben - 3 * Rand;
    Lage.ListeLabel = {Rand, Rand, AMasse.LabelWidth, AMasse.LabelHeight};
    Lage.Liste = {FeldLinks, Rand, FeldBreite, Frei / 3};
    Lage.InfosLabel = {Rand, Lage.Liste.Bottom() + Rand, AMasse.LabelWidth, AMasse.LabelHeight};
    Lage.Infos = {FeldLinks, Lage.Liste.Bottom() + Rand, FeldBreite, Frei - Frei / 3};
    Lage.Ok = {Lage.ClientWidth / 2 - Rand / 2 - AMasse.SchalterWidth, SchalterOben, AMasse.SchalterWidth,
               AMasse.SchalterHeight};
    Lage.Abbrechen = {Lage.ClientWidth / 2 + Rand / 2, SchalterOben, AMasse.SchalterWidth,
                      AMasse.SchalterHeight};
    return Lage;
}
