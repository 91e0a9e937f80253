#include "search/TSuchKlassenForm.h"

#include <algorithm>

#include "controls/TFensterMasse.h"
#include "info/RemoveAmpersands.h"
#include "info/TInfosTexte.h"
#include "model/TDaten.h"
#include "model/Textvergleich.h"

namespace {

constexpr int Rand = TFensterMasse::Rand;

// Umlauts and ß sort with their base letters, as a German reader looks for them; the key is the
// lower-cased UTF-8 line, whose byte order is the code points' order.
std::string Sortierschluessel(const std::string& AZeile) {
    std::string Schluessel;
    KleinUtf8In(AZeile, Schluessel);
    static constexpr std::pair<std::string_view, std::string_view> Ersetzungen[] = {
        {"ä", "a"}, {"ö", "o"}, {"ü", "u"}, {"ß", "ss"}};
    for (const auto& [Von, Nach] : Ersetzungen) {
        for (std::size_t i = Schluessel.find(Von); i != std::string::npos; i = Schluessel.find(Von, i)) {
            Schluessel.replace(i, Von.size(), Nach);
            i += Nach.size();
        }
    }
    return Schluessel;
}

// AKlein is the buffer for the lower-cased text, kept over the whole search.
bool Enthaelt(const std::string& AText, std::string_view ABegriff, std::string& AKlein) {
    KleinUtf8In(AText, AKlein);
    return AKlein.find(ABegriff) != std::string::npos;
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
    std::string Begriff;
    KleinUtf8In(Suchbegriff, Begriff);
    std::string Klein;
    for (std::int32_t n = 0; n < DatenRef->Count(); ++n) {
        const TDatenClass& Eintrag = (*DatenRef)[n];
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
    std::vector<std::string> Schluessel;
    std::vector<std::size_t> Folge;
    Schluessel.reserve(FResults.size());
    for (std::size_t i = 0; i < FResults.size(); ++i) {
        Schluessel.push_back(Sortierschluessel(FResults[i].Zeile));
        Folge.push_back(i);
    }
    std::stable_sort(Folge.begin(), Folge.end(),
                     [&](std::size_t A, std::size_t B) { return Schluessel[A] < Schluessel[B]; });
    std::vector<TSuchTreffer> Sortiert;
    Sortiert.reserve(FResults.size());
    for (std::size_t i : Folge) {
        Sortiert.push_back(std::move(FResults[i]));
    }
    FResults = std::move(Sortiert);
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
