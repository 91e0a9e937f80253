// The lines of a week, a month and a year of June 2025, from 200 daily entries holding either all
// their records up to 2100 (about 5.5 million) or only their first year. Building a period must
// cost about the same in both: the week at 5.5 million records at most twice the small one.

#include <benchmark/benchmark.h>

#include "BenchKalender.h"
#include "model/Uhr.h"
#include "views/TKalenderlisten.h"
#include "views/TZeile.h"

namespace {

TDaten& Kalender(bool AGrossS) {
    static TDaten Gross;
    static TDaten Klein;
    TDaten& d = AGrossS ? Gross : Klein;
    if (d.Count() == 0) {
        BenchKalender(d, !AGrossS);
    }
    return d;
}

const TKalenderlisten& Listen() {
    static const TKalenderlisten l;
    return l;
}

template <bool GrossS, TTagesansicht Ansicht> void BM_Zeilen(benchmark::State& state) {
    TUhr::Festhalten(EncodeDate(2025, 6, 1));
    TDaten& Daten = Kalender(GrossS);
    const TPeriodenliste& p = Listen().Liste(Ansicht);
    const TVonBisClass VonBis = p[p.IndexOf(DatumInTagesansicht(Ansicht, EncodeDate(2025, 6, 18)))].VonBis;
    size_t Zeilen = 0;
    for (auto _ : state) {
        const std::vector<TZeile> z = Daten.Items(&VonBis, true, true, true, true, true, false);
        Zeilen = z.size();
        benchmark::DoNotOptimize(z.data());
    }
    state.counters["Datensaetze"] = static_cast<double>(BenchDatensaetze(Daten));
    state.counters["Zeilen"] = static_cast<double>(Zeilen);
    TUhr::Stellen({});
}

} // namespace

BENCHMARK_TEMPLATE(BM_Zeilen, false, taWoche)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Zeilen, true, taWoche)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Zeilen, false, taMonat)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Zeilen, true, taMonat)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Zeilen, false, taJahr)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Zeilen, true, taJahr)->Unit(benchmark::kMillisecond);
