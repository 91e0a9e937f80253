#pragma once

// The calendar the benchmarks measure: 200 daily entries started in 2025, about 5.5 million
// day records (or only one year of records each, for comparisons that must not grow).

#include "model/TDaten.h"

inline TDatenClass BenchVorlage(int ANr, TAnzeigenTyp ATyp, TTag AStart) {
    TDatenClass Vorlage;
    Vorlage.Kurztext = "Eintrag " + std::to_string(ANr);
    Vorlage.Id = ANr;
    Vorlage.AnzeigenTyp = ATyp;
    Vorlage.EndeDatum = KalenderEnde;
    TDatumClass R;
    R.Datum = R.VonDatum = R.BisDatum = AStart;
    R.VonZeit = (ANr % 24) / 24.0;
    Vorlage.Add(R);
    return Vorlage;
}

// 200 daily entries from 1.1.2025 (each to 31.12.2100), or cut to their first year.
inline void BenchKalender(TDaten& ADaten, bool ANurEinJahr = false) {
    ADaten.Clear();
    for (int i = 0; i < 200; ++i) {
        TDatenClass Vorlage = BenchVorlage(i, at1Tag, EncodeDate(2025, 1, 1));
        ADaten.Add(TTagClass(0, &Vorlage));
        if (ANurEinJahr) {
            ADaten.Aendern(ADaten[ADaten.Count() - 1], [](TDatenClass& e) { e.DatumListe.resize(365); });
        }
    }
}

inline size_t BenchDatensaetze(const TDaten& ADaten) {
    size_t n = 0;
    for (const TDatenClass& e : ADaten.Eintraege()) {
        n += e.DatumListe.size();
    }
    return n;
}
