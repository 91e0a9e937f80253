// Generation, deep copy, comparison and import of the calendar model, each next to the plain
// memory operation it is measured against in the same run.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "BenchKalender.h"

namespace {

constexpr TTag ErsterTag = KalenderAnfang;

void BM_Erzeugen_Taeglich1900bis2100(benchmark::State& state) {
    TDatenClass Vorlage = BenchVorlage(1, at1Tag, ErsterTag);
    for (auto _ : state) {
        TDaten Daten;
        Daten.Add(TTagClass(0, &Vorlage));
        benchmark::DoNotOptimize(Daten[Daten.Count() - 1].DatumListe.data());
    }
    state.counters["ns_pro_Datensatz"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * (KalenderEnde - ErsterTag + 1),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Erzeugen_Taeglich1900bis2100);

// The floor: appending the same number of day numbers to a vector.
void BM_Vergleich_TagesnummernAnhaengen(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<TTag> Tage;
        for (TTag t = ErsterTag; t <= KalenderEnde; ++t) {
            Tage.push_back(t);
        }
        benchmark::DoNotOptimize(Tage.data());
    }
    state.counters["ns_pro_Datensatz"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * (KalenderEnde - ErsterTag + 1),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Vergleich_TagesnummernAnhaengen);

TDaten& GrosserKalender() {
    static TDaten Daten;
    if (Daten.Count() == 0) {
        BenchKalender(Daten);
    }
    return Daten;
}

void BM_Assign_5_5MioDatensaetze(benchmark::State& state) {
    const TDaten& Quelle = GrosserKalender();
    TDaten Ziel;
    for (auto _ : state) {
        Ziel.Assign(Quelle);
        benchmark::DoNotOptimize(&Ziel);
    }
    state.SetBytesProcessed(state.iterations() * BenchDatensaetze(Quelle) * sizeof(TDatumClass));
}
BENCHMARK(BM_Assign_5_5MioDatensaetze)->Unit(benchmark::kMillisecond);

void BM_Vergleich_Memcpy(benchmark::State& state) {
    const size_t Bytes = BenchDatensaetze(GrosserKalender()) * sizeof(TDatumClass);
    std::vector<char> Quelle(Bytes, 1);
    for (auto _ : state) {
        // Fresh buffers each time, one per entry, as Assign allocates its copies.
        for (int i = 0; i < 200; ++i) {
            std::vector<char> Teil(Bytes / 200);
            std::memcpy(Teil.data(), Quelle.data() + i * (Bytes / 200), Bytes / 200);
            benchmark::DoNotOptimize(Teil.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * Bytes);
}
BENCHMARK(BM_Vergleich_Memcpy)->Unit(benchmark::kMillisecond);

void BM_Ident_5_5MioDatensaetze(benchmark::State& state) {
    const TDaten& a = GrosserKalender();
    const TDaten b(a);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.Ident(&b, false));
    }
    state.SetBytesProcessed(state.iterations() * BenchDatensaetze(a) * sizeof(TDatumClass));
}
BENCHMARK(BM_Ident_5_5MioDatensaetze)->Unit(benchmark::kMillisecond);

void BM_Vergleich_Memcmp(benchmark::State& state) {
    const size_t Bytes = BenchDatensaetze(GrosserKalender()) * sizeof(TDatumClass);
    const std::vector<char> a(Bytes, 1), b(Bytes, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memcmp(a.data(), b.data(), Bytes));
    }
    state.SetBytesProcessed(state.iterations() * Bytes);
}
BENCHMARK(BM_Vergleich_Memcmp)->Unit(benchmark::kMillisecond);

// Import of a daily entry of N records into an existing one of the same size: every second day changed, so
// nothing is a duplicate and the days collide (the worst case: a new entry is appended).
void BM_Import(benchmark::State& state) {
    TDatenClass Vorlage = BenchVorlage(0, at1Tag, KalenderEnde - static_cast<TTag>(state.range(0)) + 1);
    TDaten Basis;
    Basis.Add(TTagClass(0, &Vorlage));
    TDatenClass Neu = Basis[0];
    for (size_t i = 0; i < Neu.DatumListe.size(); i += 2) {
        Neu.DatumListe[i].AktivTyp = avDeaktiv;
    }
    for (auto _ : state) {
        state.PauseTiming();
        TDaten Daten(Basis);
        state.ResumeTiming();
        Daten.Import(Neu);
        benchmark::DoNotOptimize(&Daten);
    }
    state.counters["ns_pro_Datensatz"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * Neu.DatumListe.size(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetComplexityN(static_cast<int64_t>(Neu.DatumListe.size()));
}
BENCHMARK(BM_Import)
    ->Arg(6750)
    ->Arg(13500)
    ->Arg(27000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

void BM_DatumCrash(benchmark::State& state) {
    const TTag Start = KalenderEnde - static_cast<TTag>(state.range(0)) + 1;
    TDatenClass Vorlage = BenchVorlage(0, at1Tag, Start);
    TDaten Daten;
    Daten.Add(TTagClass(0, &Vorlage));
    TDatenClass Andere = Daten[0];
    for (auto& d : Andere.DatumListe) {
        d.Datum += 100000; // no shared day: the whole list is examined
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Daten[0].DatumCrash(Andere));
    }
    state.SetComplexityN(state.range(0));
    state.counters["ns_pro_Datensatz"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * state.range(0) * 2,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DatumCrash)->Arg(6750)->Arg(13500)->Arg(27000)->Complexity(benchmark::oN);

} // namespace
