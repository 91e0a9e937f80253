#pragma once

// A calendar entry: its attributes and its expanded day records. Each occurrence of n days is a
// run of n consecutive records (Datum = VonDatum .. BisDatum) sharing every other field, and runs
// are kept in ascending order of their first day.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "model/TDatumClass.h"
#include "model/TDatumVonBisNr.h"
#include "model/TInfosClass.h"
#include "model/TTagClass.h"

class TDatenClass : public TInfosClass {
public:
    TDatumListe DatumListe;

    TDatenClass() = default;

    void Clear();
    void ClearDatumListe() { DatumListe.clear(); }
    std::int32_t Count() const { return static_cast<std::int32_t>(DatumListe.size()); }

    // Deep copy of records and attributes.
    void Assign(const TDatenClass& ADatenClass);
    // Replaces the records only.
    void Assign(const TDatumListe& ADatumListe);

    void Add(const TDatumClass& ADatumClass) { DatumListe.push_back(ADatumClass); }
    void AddDatumListe(const TDatumListe& ADatumListe);
    // Inserts before AIndex (0..Count); a bad index raises EBereichsFehler and changes nothing.
    void InsertDatumListe(const TDatumListe& ADatumListe, std::int32_t AIndex);
    // Inserts after every record whose day is on or before the first new record's day.
    void InsertDatumListe(const TDatumListe& ADatumListe);
    void InsertDatumClass(const TDatumClass& ADatumClass);
    void Delete(std::int32_t ANr) { Delete(ANr, ANr); }
    // Removes ANrVon..ANrBis inclusive, the bounds clamped to the list.
    void Delete(std::int32_t ANrVon, std::int32_t ANrBis);
    // Orders the runs by their first day; runs with the same first day keep their order.
    void Sort();

    // The run containing record ATagClass.DatumNr, which must be a valid index.
    TDatumVonBisNr FindeDatumVonBisNr(const TTagClass& ATagClass) const;
    std::int32_t FindeIdentDatumClassNr(const TDatumClass& ADatumClass) const;

    bool Ident(const TDatenClass* ADatenClass, bool AImportS) const;
    // Compares with the entry of ATagClass reduced to its one record ATagClass.DatumNr.
    bool Ident(const TTagClass& ATagClass, bool AImportS) const;
    bool IdentDatumListe(const TDatenClass* ADatenClass) const;

    // Removes every run that ADatenClass holds identically.
    void ClearDoppelte(const TDatenClass& ADatenClass);
    // Removes every run for which AWeg(its first record, its length) is true; the others keep
    // their order.
    template <typename F> void DeleteLaeufe(F AWeg) {
        std::int32_t Ziel = 0; // records before it are kept
        FuerJedenLauf([&](std::int32_t p, std::int32_t n) {
            if (!AWeg(&DatumListe[p], n)) {
                if (Ziel != p) {
                    std::copy(DatumListe.begin() + p, DatumListe.begin() + p + n, DatumListe.begin() + Ziel);
                }
                Ziel += n;
            }
        });
        DatumListe.resize(Ziel);
    }
    // True if the ALaenge records from ALauf equal those from AStart, a run with the same first
    // and last day.
    bool HaeltLauf(std::int32_t AStart, const TDatumClass* ALauf, std::int32_t ALaenge) const;
    // True if a day of this entry lies within the occurrence of ADatumClass.
    bool DatumCrash(const TDatumClass& ADatumClass) const;
    // True if this entry and ADatenClass share a day.
    bool DatumCrash(const TDatenClass& ADatenClass) const;
    // True if some occurrence starts on or before the limit.
    bool EndeDatumValid() const;

    // Earliest and latest day on or before the limit; 0 when there is none.
    TTag MinDatum() const;
    TTag MaxDatum() const;

    // Days of the longest occurrence: the largest BisDatum - VonDatum + 1 of any record, at least
    // 1. An occurrence that starts more days than this before a day cannot reach that day, which
    // lets the views skip the runs before a period without missing one that reaches into it.
    // Worked out once and kept while the list keeps its storage and size (the Assigns, which may
    // reuse both, drop it); code that changes the days of records in place keeps their lengths.
    std::int64_t LaengsterLauf() const;

    // Start indexes of the runs, walking from record 0 by the length of each run's first record,
    // up to the runs that start at AEnde or later (all runs when AEnde is negative). A damaged
    // length never stops the walk: each step moves at least one record.
    template <typename F> void FuerJedenLauf(F AAktion, std::int32_t AEnde = -1) const {
        const std::int32_t n = AEnde < 0 ? Count() : std::min(AEnde, Count());
        std::int32_t i = 0;
        while (i < n) {
            const std::int32_t Laenge = LaufLaenge(i);
            AAktion(i, Laenge);
            i += Laenge;
        }
    }

private:
    struct TLaengsterLauf {
        const TDatumClass* Daten = nullptr;
        std::size_t Anzahl = 0;
        std::int64_t Laenge = 0; // 0: not worked out
    };
    mutable TLaengsterLauf FLaengsterLauf;

    // Length of the run starting at AStart, at least 1 and never past the list's end.
    std::int32_t LaufLaenge(std::int32_t AStart) const;
};
