#include "model/TDatenClass.h"

#include <algorithm>

#include "model/Fehler.h"
#include "model/TLaufanfaenge.h"

void TDatenClass::Clear() {
    ClearInfos();
    ClearDatumListe();
}

void TDatenClass::Assign(const TDatenClass& ADatenClass) {
    if (&ADatenClass == this) {
        return;
    }
    DatumListe = ADatenClass.DatumListe;
    FLaengsterLauf = {};
    AssignInfos(ADatenClass);
}

void TDatenClass::Assign(const TDatumListe& ADatumListe) {
    if (&ADatumListe != &DatumListe) {
        DatumListe = ADatumListe;
        FLaengsterLauf = {};
    }
}

void TDatenClass::AddDatumListe(const TDatumListe& ADatumListe) {
    InsertDatumListe(ADatumListe, Count());
}

void TDatenClass::InsertDatumListe(const TDatumListe& ADatumListe, std::int32_t AIndex) {
    if (ADatumListe.empty()) {
        return;
    }
    if (AIndex < 0 || AIndex > Count()) {
        throw EBereichsFehler("Ungültige Einfügeposition.");
    }
    if (&ADatumListe == &DatumListe) {
        const TDatumListe Kopie = ADatumListe;
        DatumListe.insert(DatumListe.begin() + AIndex, Kopie.begin(), Kopie.end());
    } else {
        DatumListe.insert(DatumListe.begin() + AIndex, ADatumListe.begin(), ADatumListe.end());
    }
}

void TDatenClass::InsertDatumListe(const TDatumListe& ADatumListe) {
    if (ADatumListe.empty()) {
        return;
    }
    const TTag Erster = ADatumListe.front().Datum;
    // Scanning from the end, the first record on or before Erster is the last such record.
    std::int32_t Position = Count();
    while (Position > 0 && DatumListe[Position - 1].Datum > Erster) {
        --Position;
    }
    InsertDatumListe(ADatumListe, Position);
}

void TDatenClass::InsertDatumClass(const TDatumClass& ADatumClass) {
    InsertDatumListe(TDatumListe{ADatumClass});
}

void TDatenClass::Delete(std::int32_t ANrVon, std::int32_t ANrBis) {
    ANrVon = std::max(ANrVon, 0);
    ANrBis = std::min(ANrBis, Count() - 1);
    if (ANrBis < ANrVon) {
        return;
    }
    DatumListe.erase(DatumListe.begin() + ANrVon, DatumListe.begin() + ANrBis + 1);
}

std::int32_t TDatenClass::LaufLaenge(std::int32_t AStart) const {
    const std::int32_t Laenge = DatumListe[AStart].Laenge();
    return std::clamp(Laenge, 1, Count() - AStart);
}

void TDatenClass::Sort() {
    struct TLauf {
        std::int32_t Start;
        std::int32_t Laenge;
    };
    std::vector<TLauf> Laeufe;
    FuerJedenLauf([&](std::int32_t AStart, std::int32_t ALaenge) { Laeufe.push_back({AStart, ALaenge}); });
    const auto VorStart = [this](const TLauf& A, const TLauf& B) {
        return DatumListe[A.Start].VonDatum < DatumListe[B.Start].VonDatum;
    };
    if (std::is_sorted(Laeufe.begin(), Laeufe.end(), VorStart)) {
        return;
    }
    std::stable_sort(Laeufe.begin(), Laeufe.end(), VorStart);
    TDatumListe Neu;
    Neu.reserve(DatumListe.size());
    for (const TLauf& l : Laeufe) {
        Neu.insert(Neu.end(), DatumListe.begin() + l.Start, DatumListe.begin() + l.Start + l.Laenge);
    }
    DatumListe = std::move(Neu);
}

TDatumVonBisNr TDatenClass::FindeDatumVonBisNr(const TTagClass& ATagClass) const {
    const TDatumClass& d = DatumListe[ATagClass.DatumNr];
    TDatumVonBisNr Ergebnis;
    Ergebnis.VonNr = ATagClass.DatumNr - (d.Datum - d.VonDatum);
    Ergebnis.BisNr = Ergebnis.VonNr + (d.BisDatum - d.VonDatum);
    return Ergebnis;
}

std::int32_t TDatenClass::FindeIdentDatumClassNr(const TDatumClass& ADatumClass) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (IdentDatumClassMitDatumClass(DatumListe[i], ADatumClass)) {
            return i;
        }
    }
    return -1;
}

bool TDatenClass::Ident(const TDatenClass* ADatenClass, bool AImportS) const {
    return IdentInfos(ADatenClass, AImportS) && IdentDatumListe(ADatenClass);
}

bool TDatenClass::Ident(const TTagClass& ATagClass, bool AImportS) const {
    if (ATagClass.DatenClass == nullptr) {
        return false;
    }
    TDatenClass Einzeln;
    Einzeln.AssignInfos(*ATagClass.DatenClass);
    Einzeln.Add(ATagClass.DatenClass->DatumListe[ATagClass.DatumNr]);
    return Ident(&Einzeln, AImportS);
}

bool TDatenClass::IdentDatumListe(const TDatenClass* ADatenClass) const {
    if (ADatenClass == nullptr || ADatenClass->Count() != Count()) {
        return false;
    }
    return std::equal(DatumListe.begin(), DatumListe.end(), ADatenClass->DatumListe.begin(),
                      IdentDatumClassMitDatumClass);
}

void TDatenClass::ClearDoppelte(const TDatenClass& ADatenClass) {
    const TLaufanfaenge Andere(ADatenClass);
    DeleteLaeufe(
        [&](const TDatumClass* ALauf, std::int32_t ALaenge) { return Andere.Haelt(ALauf, ALaenge); });
}

bool TDatenClass::HaeltLauf(std::int32_t AStart, const TDatumClass* ALauf, std::int32_t ALaenge) const {
    return DatumListe[AStart].VonDatum == ALauf->VonDatum && DatumListe[AStart].BisDatum == ALauf->BisDatum &&
           Count() - AStart >= ALaenge &&
           std::equal(ALauf, ALauf + ALaenge, DatumListe.begin() + AStart, IdentDatumClassMitDatumClass);
}

bool TDatenClass::DatumCrash(const TDatumClass& ADatumClass) const {
    return std::any_of(DatumListe.begin(), DatumListe.end(), [&](const TDatumClass& d) {
        return d.Datum >= ADatumClass.VonDatum && d.Datum <= ADatumClass.BisDatum;
    });
}

bool TDatenClass::DatumCrash(const TDatenClass& ADatenClass) const {
    if (DatumListe.empty() || ADatenClass.DatumListe.empty()) {
        return false;
    }
    // A bitmap over this entry's span of days is a perfect hash set of its days.
    const auto [Min, Max] =
        std::minmax_element(DatumListe.begin(), DatumListe.end(),
                            [](const TDatumClass& A, const TDatumClass& B) { return A.Datum < B.Datum; });
    const TTag Erster = Min->Datum;
    const TTag Letzter = Max->Datum;
    std::vector<bool> Belegt(static_cast<size_t>(Letzter - Erster) + 1);
    for (const TDatumClass& d : DatumListe) {
        Belegt[d.Datum - Erster] = true;
    }
    return std::any_of(ADatenClass.DatumListe.begin(), ADatenClass.DatumListe.end(),
                       [&](const TDatumClass& d) {
                           return d.Datum >= Erster && d.Datum <= Letzter && Belegt[d.Datum - Erster];
                       });
}

bool TDatenClass::EndeDatumValid() const {
    return std::any_of(DatumListe.begin(), DatumListe.end(),
                       [this](const TDatumClass& d) { return d.VonDatum <= EndeDatum; });
}

TTag TDatenClass::MinDatum() const {
    TTag Ergebnis = 0;
    bool Gefunden = false;
    for (const TDatumClass& d : DatumListe) {
        if (d.Datum <= EndeDatum && (!Gefunden || d.Datum < Ergebnis)) {
            Ergebnis = d.Datum;
            Gefunden = true;
        }
    }
    return Ergebnis;
}

TTag TDatenClass::MaxDatum() const {
    TTag Ergebnis = 0;
    bool Gefunden = false;
    for (const TDatumClass& d : DatumListe) {
        if (d.Datum <= EndeDatum && (!Gefunden || d.Datum > Ergebnis)) {
            Ergebnis = d.Datum;
            Gefunden = true;
        }
    }
    return Ergebnis;
}

std::int64_t TDatenClass::LaengsterLauf() const {
    if (FLaengsterLauf.Laenge == 0 || FLaengsterLauf.Daten != DatumListe.data() ||
        FLaengsterLauf.Anzahl != DatumListe.size()) {
        std::int64_t Laengster = 1;
        for (const TDatumClass& d : DatumListe) {
            Laengster = std::max(Laengster, std::int64_t{d.BisDatum} - d.VonDatum + 1);
        }
        FLaengsterLauf = {DatumListe.data(), DatumListe.size(), Laengster};
    }
    return FLaengsterLauf.Laenge;
}
