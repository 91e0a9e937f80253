#include "model/TDaten.h"

#include <algorithm>
#include <unordered_map>

#include "model/Textvergleich.h"
#include "model/Uhr.h"

TDaten::TDaten(const TDaten& ADaten) {
    Assign(ADaten);
}

void TDaten::Clear() {
    while (!Liste.empty()) {
        Liste.pop_back();
    }
}

void TDaten::Assign(const TDaten& ADaten) {
    if (&ADaten == this) {
        return;
    }
    Clear();
    Add(&ADaten);
}

void TDaten::Add(const TDatenClass& ADatenClass) {
    Liste.push_back(std::make_unique<TDatenClass>(ADatenClass));
}

void TDaten::Add(const TDaten* ADaten) {
    if (ADaten == nullptr || ADaten == this) {
        return;
    }
    Liste.reserve(Liste.size() + ADaten->Liste.size());
    for (const auto& e : ADaten->Liste) {
        Add(*e);
    }
}

void TDaten::Add(const TTagClass& ATagClass) {
    if (ATagClass.DatenClass == nullptr) {
        return;
    }
    TDatenClass Kopie(*ATagClass.DatenClass);
    DatumListeErstellen(Kopie);
}

void TDaten::Delete(std::int32_t ANr) {
    if (ANr < 0 || ANr >= Count()) {
        return;
    }
    Liste.erase(Liste.begin() + ANr);
}

void TDaten::DeleteIdDatei(std::int32_t AIdDatei) {
    if (AIdDatei < 0) {
        return;
    }
    std::erase_if(Liste, [AIdDatei](const auto& e) { return e->IdDatei == AIdDatei; });
}

std::int32_t TDaten::NewId() const {
    std::vector<bool> Vergeben(Liste.size() + 1);
    for (const auto& e : Liste) {
        if (e->IdDatei == 0 && e->Id >= 0 && static_cast<size_t>(e->Id) < Vergeben.size()) {
            Vergeben[e->Id] = true;
        }
    }
    return static_cast<std::int32_t>(std::find(Vergeben.begin(), Vergeben.end(), false) - Vergeben.begin());
}

std::int32_t TDaten::FindeDatenClassNr(const TDatenClass& ADatenClass) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (Liste[i]->Id == ADatenClass.Id && Liste[i]->IdDatei == ADatenClass.IdDatei) {
            return i;
        }
    }
    return -1;
}

TDatenClass* TDaten::FindeIdentInfosDatenClass(const TDatenClass* ADatenClass, bool AImportS) const {
    if (ADatenClass == nullptr) {
        return nullptr;
    }
    for (const auto& e : Liste) {
        if (e->IdentInfos(ADatenClass, AImportS)) {
            return e.get();
        }
    }
    return nullptr;
}

bool TDaten::FindeKurztext(const std::string& AText) const {
    const std::u32string Gesucht = Kleinbuchstaben(AText);
    return std::any_of(Liste.begin(), Liste.end(),
                       [&](const auto& e) { return Kleinbuchstaben(e->Kurztext) == Gesucht; });
}

bool TDaten::Ident(const TDaten* ADaten, bool AImportS) const {
    if (ADaten == nullptr) {
        return false;
    }
    std::unordered_map<std::int32_t, const TDatenClass*> Andere;
    for (const auto& e : ADaten->Liste) {
        if (e->IdDatei == 0 && e->Count() > 0 && !Andere.emplace(e->Id, e.get()).second) {
            return false;
        }
    }
    size_t Verglichen = 0;
    for (const auto& e : Liste) {
        if (e->IdDatei != 0 || e->Count() == 0) {
            continue;
        }
        ++Verglichen;
        const auto Treffer = Andere.find(e->Id);
        if (Treffer == Andere.end() || !e->Ident(Treffer->second, AImportS)) {
            return false;
        }
    }
    return Verglichen == Andere.size();
}

void TDaten::Import(const TDatenClass& ADatenClass) {
    const auto AlsNeuerEintrag = [this](const TDatenClass& AEintrag) {
        const std::int32_t Id = NewId();
        Add(AEintrag);
        Liste.back()->Id = Id;
        Liste.back()->IdDatei = 0;
    };
    TDatenClass* Vorhanden = FindeIdentInfosDatenClass(&ADatenClass, true);
    if (Vorhanden == nullptr) {
        if (ADatenClass.Count() > 0) {
            AlsNeuerEintrag(ADatenClass);
        }
        return;
    }
    if (Vorhanden->IdentDatumListe(&ADatenClass)) {
        return;
    }
    // Occurrences already held by any entry of the same kind are dropped, not only those of the
    // first one: an earlier import may have added a colliding part as a second entry, and
    // importing the same file again must not add it once more.
    TDatenClass Neu(ADatenClass);
    for (const auto& e : Liste) {
        if (e->IdentInfos(&ADatenClass, true)) {
            Neu.ClearDoppelte(*e);
        }
    }
    if (Neu.Count() == 0) {
        return;
    }
    if (Vorhanden->DatumCrash(Neu)) {
        AlsNeuerEintrag(Neu);
        return;
    }
    Neu.AddDatumListe(Vorhanden->DatumListe);
    Neu.Sort();
    Vorhanden->Assign(Neu.DatumListe);
}

void TDaten::Import(const TTagClass& ATagClass) {
    if (ATagClass.DatenClass == nullptr) {
        return;
    }
    const TDatenClass& Quelle = *ATagClass.DatenClass;
    const TDatumVonBisNr Lauf = Quelle.FindeDatumVonBisNr(ATagClass);
    TDatenClass Vorkommen;
    Vorkommen.AssignInfos(Quelle);
    Vorkommen.DatumListe.assign(Quelle.DatumListe.begin() + Lauf.VonNr,
                                Quelle.DatumListe.begin() + Lauf.BisNr + 1);
    Import(Vorkommen);
}

namespace {

// Calls AAktion(run start, run length) for every run of a main-file entry that ended before
// AHeute and whose every day is marked for deletion.
template <typename F> void AbgelaufeneLoeschlaeufe(const TDatenClass& AEintrag, TTag AHeute, F AAktion) {
    if (AEintrag.IdDatei != 0) {
        return;
    }
    AEintrag.FuerJedenLauf([&](std::int32_t AStart, std::int32_t ALaenge) {
        const auto Anfang = AEintrag.DatumListe.begin() + AStart;
        if (Anfang->BisDatum < AHeute &&
            std::all_of(Anfang, Anfang + ALaenge, [](const TDatumClass& d) { return d.LoeschenS; })) {
            AAktion(AStart, ALaenge);
        }
    });
}

} // namespace

std::int32_t TDaten::CountLoeschfunktion() const {
    const TTag Heute = TUhr::Heute();
    std::int32_t Anzahl = 0;
    for (const auto& e : Liste) {
        AbgelaufeneLoeschlaeufe(*e, Heute, [&](std::int32_t, std::int32_t ALaenge) { Anzahl += ALaenge; });
    }
    return Anzahl;
}

void TDaten::DeleteLoeschfunktion() {
    const TTag Heute = TUhr::Heute();
    for (const auto& e : Liste) {
        TDatumListe Bleibt;
        std::int32_t Kopiert = 0; // records before this index are settled
        AbgelaufeneLoeschlaeufe(*e, Heute, [&](std::int32_t AStart, std::int32_t ALaenge) {
            Bleibt.insert(Bleibt.end(), e->DatumListe.begin() + Kopiert, e->DatumListe.begin() + AStart);
            Kopiert = AStart + ALaenge;
        });
        if (Kopiert > 0) {
            Bleibt.insert(Bleibt.end(), e->DatumListe.begin() + Kopiert, e->DatumListe.end());
            e->DatumListe = std::move(Bleibt);
        }
    }
}

void TDaten::DeleteLeere() {
    std::erase_if(Liste, [](const auto& e) { return e->Count() == 0; });
}
