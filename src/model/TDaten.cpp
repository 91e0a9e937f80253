#include "model/TDaten.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

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

namespace {

// What an import matches a main-file entry on: interval, type and both texts, the attributes
// that IdentInfos compares with AImportS.
struct TArt {
    TAnzeigenTyp AnzeigenTyp;
    TTagTyp TagTyp;
    std::string_view Kurztext;
    std::string_view Langtext;

    explicit TArt(const TInfosClass& AInfos)
        : AnzeigenTyp(AInfos.AnzeigenTyp), TagTyp(AInfos.TagTyp), Kurztext(AInfos.Kurztext),
          Langtext(AInfos.Langtext) {}
    bool operator==(const TArt&) const = default;
};

struct TArtHash {
    std::size_t operator()(const TArt& A) const {
        const std::hash<std::string_view> Text;
        std::size_t h = Text(A.Kurztext);
        h = h * 31 + Text(A.Langtext);
        return h * 31 + static_cast<std::size_t>(A.AnzeigenTyp) * 8 + static_cast<std::size_t>(A.TagTyp);
    }
};

// Merges entries of other files into a collection. It keeps the main-file entries by kind, in
// list order, and the main-file ids in use, so that each entry is compared with the entries of
// its own kind only and a new id is found without a walk over the calendar. The entries stay
// where they are (the collection holds them by pointer) and none is removed meanwhile, so the
// pointers and the texts the kinds refer to stay valid.
class TImport {
public:
    explicit TImport(TDaten& ADaten) : FDaten(ADaten) {
        for (const auto& e : FDaten.Liste) {
            if (e->IdDatei == 0) {
                FArten[TArt(*e)].push_back(e.get());
                FIds.insert(e->Id);
            }
        }
    }

    void Eintrag(const TDatenClass& ADatenClass) {
        const auto Art = FArten.find(TArt(ADatenClass));
        if (Art == FArten.end()) {
            if (ADatenClass.Count() > 0) {
                AlsNeuerEintrag(ADatenClass);
            }
            return;
        }
        TDatenClass& Vorhanden = *Art->second.front();
        if (Vorhanden.IdentDatumListe(&ADatenClass)) {
            return;
        }
        // Occurrences already held by any entry of the same kind are dropped, not only those of
        // the first one: an earlier import may have added a colliding part as a second entry,
        // and importing the same file again must not add it once more.
        TDatenClass Neu(ADatenClass);
        for (const TDatenClass* e : Art->second) {
            Neu.ClearDoppelte(*e);
        }
        if (Neu.Count() == 0) {
            return;
        }
        if (Vorhanden.DatumCrash(Neu)) {
            AlsNeuerEintrag(Neu);
            return;
        }
        Neu.AddDatumListe(Vorhanden.DatumListe);
        Neu.Sort();
        Vorhanden.Assign(Neu.DatumListe);
    }

private:
    TDaten& FDaten;
    std::unordered_map<TArt, std::vector<TDatenClass*>, TArtHash> FArten;
    std::unordered_set<std::int32_t> FIds;
    std::int32_t FKleinsteFreieId = 0; // every id below it is in use

    void AlsNeuerEintrag(const TDatenClass& AEintrag) {
        while (FIds.contains(FKleinsteFreieId)) {
            ++FKleinsteFreieId;
        }
        FIds.insert(FKleinsteFreieId);
        FDaten.Add(AEintrag);
        TDatenClass& Neu = *FDaten.Liste.back();
        Neu.Id = FKleinsteFreieId;
        Neu.IdDatei = 0;
        FArten[TArt(Neu)].push_back(&Neu);
    }
};

} // namespace

void TDaten::Import(const TDatenClass& ADatenClass) {
    TImport(*this).Eintrag(ADatenClass);
}

void TDaten::Import(const TDaten& ADaten) {
    if (&ADaten == this) {
        const TDaten Kopie(ADaten);
        Import(Kopie);
        return;
    }
    TImport Import(*this);
    for (const auto& e : ADaten.Liste) {
        Import.Eintrag(*e);
    }
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
