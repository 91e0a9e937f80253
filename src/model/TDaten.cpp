#include "model/TDaten.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "model/TLaufanfaenge.h"
#include "model/TSpeicherstand.h"
#include "model/Textvergleich.h"
#include "model/Uhr.h"

TDaten::TDaten(const TDaten& ADaten) {
    Assign(ADaten);
}

void TDaten::Clear() {
    EntferneWenn([](const TDatenClass&) { return true; });
}

void TDaten::Assign(const TDaten& ADaten) {
    if (&ADaten == this) {
        return;
    }
    Clear();
    Add(&ADaten);
}

void TDaten::Add(const TDatenClass& ADatenClass) {
    Hinzufuegen(std::make_unique<TDatenClass>(ADatenClass));
}

void TDaten::Add(TDatenClass&& ADatenClass) {
    Hinzufuegen(std::make_unique<TDatenClass>(std::move(ADatenClass)));
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
    std::unique_ptr<TDatenClass> Weg = std::move(Liste[ANr]);
    Liste.erase(Liste.begin() + ANr);
    Entfernen(std::move(Weg));
}

void TDaten::DeleteIdDatei(std::int32_t AIdDatei) {
    if (AIdDatei < 0) {
        return;
    }
    EntferneWenn([AIdDatei](const TDatenClass& e) { return e.IdDatei == AIdDatei; });
}

void TDaten::Tauschen(TDaten& AAndere) {
    TListe Meine = Abgeben();
    TListe Andere = AAndere.Abgeben();
    for (auto& e : Andere) {
        Hinzufuegen(std::move(e));
    }
    for (auto& e : Meine) {
        AAndere.Hinzufuegen(std::move(e));
    }
}

void TDaten::DateiErsetzen(std::int32_t AIdDatei, TDaten& AGeladen) {
    DeleteIdDatei(AIdDatei);
    TListe Neu = AGeladen.Abgeben();
    Liste.reserve(Liste.size() + Neu.size());
    for (auto& e : Neu) {
        Hinzufuegen(std::move(e));
    }
}

void TDaten::VorAenderung(const TDatenClass& AEintrag) {
    if (FSpeicherstand != nullptr) {
        FSpeicherstand->VorAenderung(AEintrag);
    }
}

void TDaten::Hinzufuegen(std::unique_ptr<TDatenClass> AEintrag) {
    if (FSpeicherstand != nullptr) {
        FSpeicherstand->Hinzugefuegt(*AEintrag);
    }
    Liste.push_back(std::move(AEintrag));
}

void TDaten::Entfernen(std::unique_ptr<TDatenClass> AEintrag) {
    if (FSpeicherstand != nullptr) {
        FSpeicherstand->Entfernt(std::move(AEintrag));
    }
}

template <typename F> void TDaten::EntferneWenn(F AWeg) {
    TListe Bleibt;
    for (auto& e : Liste) {
        if (AWeg(*e)) {
            Entfernen(std::move(e));
        } else {
            Bleibt.push_back(std::move(e));
        }
    }
    Liste = std::move(Bleibt);
}

TListe TDaten::Abgeben() {
    if (FSpeicherstand != nullptr) {
        for (const auto& e : Liste) {
            FSpeicherstand->Abgegeben(*e);
        }
    }
    return std::exchange(Liste, {});
}

std::int32_t TDaten::NrVon(const TDatenClass* AEintrag) const {
    const auto Treffer =
        std::find_if(Liste.begin(), Liste.end(), [&](const auto& e) { return e.get() == AEintrag; });
    return Treffer == Liste.end() ? -1 : static_cast<std::int32_t>(Treffer - Liste.begin());
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

const TDatenClass* TDaten::FindeIdentInfosDatenClass(const TDatenClass* ADatenClass, bool AImportS) const {
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

namespace {

std::vector<const TDatenClass*> Adressen(const TListe& AListe) {
    std::vector<const TDatenClass*> Ergebnis;
    Ergebnis.reserve(AListe.size());
    for (const auto& e : AListe) {
        Ergebnis.push_back(e.get());
    }
    return Ergebnis;
}

// True if both hold the same entries of those TDaten::Verglichen names, matched by id. An entry
// held by both (the very object) equals itself without a look at its records.
bool IdentEintraege(const std::vector<const TDatenClass*>& AEintraege,
                    const std::vector<const TDatenClass*>& AAndere, bool AImportS) {
    std::unordered_map<std::int32_t, const TDatenClass*> Andere;
    for (const TDatenClass* e : AAndere) {
        if (TDaten::Verglichen(*e) && !Andere.emplace(e->Id, e).second) {
            return false;
        }
    }
    size_t Verglichen = 0;
    for (const TDatenClass* e : AEintraege) {
        if (!TDaten::Verglichen(*e)) {
            continue;
        }
        ++Verglichen;
        const auto Treffer = Andere.find(e->Id);
        if (Treffer == Andere.end() || (Treffer->second != e && !e->Ident(Treffer->second, AImportS))) {
            return false;
        }
    }
    return Verglichen == Andere.size();
}

} // namespace

bool TDaten::Ident(const TDaten* ADaten, bool AImportS) const {
    return ADaten != nullptr && IdentEintraege(Adressen(Liste), Adressen(ADaten->Liste), AImportS);
}

void TDaten::SpeicherkopieSetzen(TSpeicherstand& AStand) {
    AStand.Setzen(*this);
    FSpeicherstand = &AStand;
}

bool TDaten::IdentSpeicherkopie(const TSpeicherstand& AStand) const {
    const std::vector<const TDatenClass*> Gespeichert =
        &AStand == FSpeicherstand ? AStand.GespeicherteEintraege(*this) : std::vector<const TDatenClass*>{};
    return IdentEintraege(Adressen(Liste), Gespeichert, false);
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

// The runs and days of one kind's entries while an import runs. The first entry, which takes
// the merges, stays as it was until the end: its runs are found by first day and its days in a
// bitmap, while the occurrences merged into it wait aside, with the runs of the kind's other
// entries in a table by first day. So each import costs what its own records cost, however many
// entries the kind has and however many were merged before.
class TArtLaeufe {
public:
    explicit TArtLaeufe(const std::vector<TDatenClass*>& AEintraege)
        : FErster(*AEintraege.front()), FAnfaenge(FErster) {
        if (FErster.Count() > 0) {
            const auto [Min, Max] = std::minmax_element(
                FErster.DatumListe.begin(), FErster.DatumListe.end(),
                [](const TDatumClass& A, const TDatumClass& B) { return A.Datum < B.Datum; });
            FErsterTag = Min->Datum;
            FBelegt.resize(static_cast<std::size_t>(std::int64_t{Max->Datum} - Min->Datum + 1));
            for (const TDatumClass& d : FErster.DatumListe) {
                FBelegt[static_cast<std::size_t>(std::int64_t{d.Datum} - FErsterTag)] = true;
            }
        }
        for (std::size_t i = 1; i < AEintraege.size(); ++i) {
            Aufnehmen(*AEintraege[i]);
        }
    }

    bool ZugangLeer() const { return FZugang.empty(); }

    // The first entry's records as the merges so far make them. Each merge puts the new
    // occurrences before the entry's records and sorts the runs stably by first day; doing so
    // once, the latest merge first, gives the same list, the runs being whole (as the file
    // reader makes sure).
    TDatumListe Zusammengefuehrt() const {
        TDatenClass Ergebnis;
        for (auto Teil = FZugang.rbegin(); Teil != FZugang.rend(); ++Teil) {
            Ergebnis.AddDatumListe((*Teil)->DatumListe);
        }
        Ergebnis.AddDatumListe(FErster.DatumListe);
        Ergebnis.Sort();
        return std::move(Ergebnis.DatumListe);
    }
    bool IdentDatumListe(const TDatenClass& AEintrag) const {
        if (ZugangLeer()) {
            return FErster.IdentDatumListe(&AEintrag);
        }
        if (AEintrag.Count() != FErster.Count() + FZugangAnzahl) {
            return false;
        }
        const TDatumListe Jetzt = Zusammengefuehrt();
        return std::equal(Jetzt.begin(), Jetzt.end(), AEintrag.DatumListe.begin(),
                          IdentDatumClassMitDatumClass);
    }

    // True if an entry of the kind holds this run identically.
    bool Haelt(const TDatumClass* ALauf, std::int32_t ALaenge) const {
        if (FAnfaenge.Haelt(ALauf, ALaenge)) {
            return true;
        }
        const auto [Von, Bis] = FAndere.equal_range(ALauf->VonDatum);
        return std::any_of(Von, Bis, [&](const auto& l) {
            return l.second.first->HaeltLauf(l.second.second, ALauf, ALaenge);
        });
    }

    // True if a day of AEintrag is a day of the first entry.
    bool DatumCrash(const TDatenClass& AEintrag) const {
        return std::any_of(AEintrag.DatumListe.begin(), AEintrag.DatumListe.end(), [&](const TDatumClass& d) {
            const std::int64_t i = std::int64_t{d.Datum} - FErsterTag;
            return (i >= 0 && i < static_cast<std::int64_t>(FBelegt.size()) &&
                    FBelegt[static_cast<std::size_t>(i)]) ||
                   FZugangTage.contains(d.Datum);
        });
    }

    // A new entry of the kind, held by the collection.
    void Aufnehmen(const TDatenClass& AEintrag) {
        AEintrag.FuerJedenLauf([&](std::int32_t AStart, std::int32_t) {
            FAndere.emplace(AEintrag.DatumListe[AStart].VonDatum, std::make_pair(&AEintrag, AStart));
        });
    }

    // Occurrences that merge into the first entry.
    void Zugang(TDatenClass&& ANeu) {
        FZugang.push_back(std::make_unique<TDatenClass>(std::move(ANeu)));
        const TDatenClass& Teil = *FZugang.back();
        Aufnehmen(Teil);
        for (const TDatumClass& d : Teil.DatumListe) {
            FZugangTage.insert(d.Datum);
        }
        FZugangAnzahl += Teil.Count();
    }

private:
    const TDatenClass& FErster;
    const TLaufanfaenge FAnfaenge;
    TTag FErsterTag = 0;
    std::vector<bool> FBelegt; // the first entry's days from FErsterTag on
    std::unordered_multimap<TTag, std::pair<const TDatenClass*, std::int32_t>> FAndere; // runs by first day
    std::vector<std::unique_ptr<TDatenClass>> FZugang;                                  // in the order merged
    std::unordered_set<TTag> FZugangTage;
    std::int32_t FZugangAnzahl = 0;
};

} // namespace

// Merges entries of other files into a collection. It keeps the main-file entries by kind, in
// list order, and the main-file ids in use, so that each entry is compared with the entries of
// its own kind only and a new id is found without a walk over the calendar. The entries stay
// where they are (the collection holds them by pointer) and none is removed meanwhile, so the
// pointers and the texts the kinds refer to stay valid. Merges reach the entries at Abschliessen.
class TDaten::TImport {
public:
    explicit TImport(TDaten& ADaten) : FDaten(ADaten) {
        for (const auto& e : FDaten.Liste) {
            if (e->IdDatei == 0) {
                FArten[TArt(*e)].Eintraege.push_back(e.get());
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
        TArtDaten& Daten = Art->second;
        if (Daten.Laeufe == nullptr ? Daten.Eintraege.front()->IdentDatumListe(&ADatenClass)
                                    : Daten.Laeufe->IdentDatumListe(ADatenClass)) {
            return;
        }
        if (Daten.Laeufe == nullptr) {
            Daten.Laeufe = std::make_unique<TArtLaeufe>(Daten.Eintraege);
        }
        TArtLaeufe& Laeufe = *Daten.Laeufe;
        // Occurrences already held by any entry of the same kind are dropped, not only those of
        // the first one: an earlier import may have added a colliding part as a second entry,
        // and importing the same file again must not add it once more.
        TDatenClass Neu(ADatenClass);
        Neu.DeleteLaeufe(
            [&](const TDatumClass* ALauf, std::int32_t ALaenge) { return Laeufe.Haelt(ALauf, ALaenge); });
        if (Neu.Count() == 0) {
            return;
        }
        if (Laeufe.DatumCrash(Neu)) {
            AlsNeuerEintrag(Neu);
            return;
        }
        Laeufe.Zugang(std::move(Neu));
    }

    // Writes the merged occurrences into the entries that take them; they keep their attributes.
    void Abschliessen() {
        for (auto& [Art, Daten] : FArten) {
            if (Daten.Laeufe != nullptr && !Daten.Laeufe->ZugangLeer()) {
                FDaten.VorAenderung(*Daten.Eintraege.front());
                Daten.Eintraege.front()->Assign(Daten.Laeufe->Zusammengefuehrt());
            }
        }
        FArten.clear();
    }

private:
    struct TArtDaten {
        std::vector<TDatenClass*> Eintraege; // in list order; the first takes the merges
        std::unique_ptr<TArtLaeufe> Laeufe;  // from the first import that compares runs on
    };

    TDaten& FDaten;
    std::unordered_map<TArt, TArtDaten, TArtHash> FArten;
    std::unordered_set<std::int32_t> FIds;
    std::int32_t FKleinsteFreieId = 0; // every id below it is in use

    void AlsNeuerEintrag(const TDatenClass& AEintrag) {
        while (FIds.contains(FKleinsteFreieId)) {
            ++FKleinsteFreieId;
        }
        FIds.insert(FKleinsteFreieId);
        TDatenClass Kopie(AEintrag);
        Kopie.Id = FKleinsteFreieId;
        Kopie.IdDatei = 0;
        FDaten.Add(std::move(Kopie));
        TDatenClass& Neu = *FDaten.Liste.back();
        TArtDaten& Daten = FArten[TArt(Neu)];
        Daten.Eintraege.push_back(&Neu);
        if (Daten.Laeufe != nullptr) {
            Daten.Laeufe->Aufnehmen(Neu);
        }
    }
};

void TDaten::Import(const TDatenClass& ADatenClass) {
    TImport Import(*this);
    Import.Eintrag(ADatenClass);
    Import.Abschliessen();
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
    Import.Abschliessen();
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
    // The runs are in ascending order of their first day, so none from the first that starts
    // today or later has ended: the walk stops there instead of crossing the decades after today.
    const auto Kuenftige = std::partition_point(AEintrag.DatumListe.begin(), AEintrag.DatumListe.end(),
                                                [&](const TDatumClass& d) { return d.VonDatum < AHeute; });
    const auto Ende = static_cast<std::int32_t>(Kuenftige - AEintrag.DatumListe.begin());
    AEintrag.FuerJedenLauf(
        [&](std::int32_t AStart, std::int32_t ALaenge) {
            const auto Anfang = AEintrag.DatumListe.begin() + AStart;
            if (Anfang->BisDatum < AHeute &&
                std::all_of(Anfang, Anfang + ALaenge, [](const TDatumClass& d) { return d.LoeschenS; })) {
                AAktion(AStart, ALaenge);
            }
        },
        Ende);
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
            VorAenderung(*e);
            e->DatumListe = std::move(Bleibt);
        }
    }
}

void TDaten::DeleteLeere() {
    EntferneWenn([](const TDatenClass& e) { return e.Count() == 0; });
}
