#pragma once

// One calendar day of one occurrence of an entry: a plain value.

#include <vector>

#include "model/Kalenderdatum.h"
#include "model/ResConst.h"

struct TDatumClass {
    TTag Datum = 0;    // the day this record stands for
    TTag VonDatum = 0; // first day of its occurrence
    TTag BisDatum = 0; // last day of its occurrence
    TAktivTyp AktivTyp = avAktiv;
    bool GanzerTagS = false;
    bool LoeschenS = false;
    // The start time (fraction of a day only) comes last so that the record has no padding
    // inside: 24 bytes per day record, and a calendar holds millions of them.
    TDateTime VonZeit = 0.0;

    // Number of days of the occurrence this record belongs to.
    int Laenge() const { return BisDatum - VonDatum + 1; }
};

// Record equality: every field exactly equal.
inline bool IdentDatumClassMitDatumClass(const TDatumClass& A, const TDatumClass& B) {
    return A.Datum == B.Datum && A.VonDatum == B.VonDatum && A.BisDatum == B.BisDatum &&
           A.VonZeit == B.VonZeit && A.AktivTyp == B.AktivTyp && A.GanzerTagS == B.GanzerTagS &&
           A.LoeschenS == B.LoeschenS;
}

using TDatumListe = std::vector<TDatumClass>;
