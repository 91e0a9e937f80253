#pragma once

// The calendar the benchmarks measure: 200 daily entries started in 2025, about 5.5 million
// day records (or only one year of records each, for comparisons that must not grow).

#include <benchmark/benchmark.h>

#include <map>
#include <vector>

#include "model/TDaten.h"
#include "platform/Speicherverwaltung.h"

// The benchmarks keep freed memory as the program does from its start.
inline const bool BenchSpeicherBehalten = (FreienSpeicherBehalten(), true);

inline TDatenClass BenchVorlage(int ANr, TAnzeigenTyp ATyp, TTag AStart) {
    TDatenClass Vorlage;
    Vorlage.Kurztext = "Eintrag " + std::to_string(ANr);
    Vorlage.Id = ANr;
    Vorlage.AnzeigenTyp = ATyp;
    Vorlage.EndeDatum = KalenderEnde;
    TDatumClass R;
    R.Datum = R.VonDatum = R.BisDatum = AStart;
    R.VonZeitSetzen((ANr % 24) / 24.0);
    Vorlage.Add(R);
    return Vorlage;
}

// 200 daily entries from 1.1.2025 (each to 31.12.2100), or cut to their first ATage days (0:
// not cut).
inline void BenchKalenderTage(TDaten& ADaten, std::size_t ATage) {
    ADaten.Clear();
    for (int i = 0; i < 200; ++i) {
        TDatenClass Vorlage = BenchVorlage(i, at1Tag, EncodeDate(2025, 1, 1));
        ADaten.Add(TTagClass(0, &Vorlage));
        if (ATage > 0) {
            ADaten.Aendern(ADaten[ADaten.Count() - 1], [&](TDatenClass& e) { e.DatumListe.resize(ATage); });
        }
    }
}

// 200 daily entries from 1.1.2025 (each to 31.12.2100), or cut to their first year.
inline void BenchKalender(TDaten& ADaten, bool ANurEinJahr = false) {
    BenchKalenderTage(ADaten, ANurEinJahr ? 365 : 0);
}

// The calendar of BenchKalenderTage(ATage), made once per program and size.
inline TDaten& BenchKalenderVon(std::size_t ATage) {
    static std::map<std::size_t, TDaten> Kalender;
    TDaten& d = Kalender[ATage];
    if (d.Count() == 0) {
        BenchKalenderTage(d, ATage);
    }
    return d;
}

// The sizes of the scaling table in days of records per entry: one year (about 73,000 records),
// 2750 days (about 550,000) and not cut (0: about 5.5 million).
inline const std::vector<std::int64_t> BenchTage{365, 2750, 0};
inline void BenchGroessen(benchmark::internal::Benchmark* ABenchmark) {
    ABenchmark->ArgsProduct({BenchTage});
}

inline size_t BenchDatensaetze(const TDaten& ADaten) {
    size_t n = 0;
    for (const TDatenClass& e : ADaten.Eintraege()) {
        n += e.DatumListe.size();
    }
    return n;
}
