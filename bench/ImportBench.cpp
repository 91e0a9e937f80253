// Importing a calendar file of N entries into a calendar of N entries, the file written once
// beforehand. A quarter of the file's entries each: the same as in the calendar (nothing to do),
// the same kind with one occurrence more (merged into the entry), the same kind with an
// occurrence on a day the entry holds (added as a new entry) and a kind the calendar lacks.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <map>

#include "BenchKalender.h"
#include "files/OVDatei.h"

namespace {

constexpr TTag Anfang = EncodeDate(2025, 1, 1);

const std::string& Ordner() {
    static const std::string o = [] {
        char Muster[] = "/tmp/orvanto-bench-XXXXXX";
        return std::string(mkdtemp(Muster));
    }();
    return o;
}

// Entry ANr of the calendar: a once-only appointment on one of ten years' days.
TDatenClass Termin(int ANr) {
    TDatenClass e = BenchVorlage(ANr, atEinmalig, Anfang + ANr % 3650);
    e.Kurztext = "Termin " + std::to_string(ANr);
    return e;
}

void Vorkommen(TDatenClass& AEintrag, TTag ATag, double AVonZeit) {
    TDatumClass r = AEintrag.DatumListe.front();
    r.Datum = r.VonDatum = r.BisDatum = ATag;
    r.VonZeit = AVonZeit;
    AEintrag.Add(r);
}

const TDaten& Kalender(std::int64_t AAnzahl) {
    static std::map<std::int64_t, TDaten> Kalender;
    TDaten& d = Kalender[AAnzahl];
    for (int i = d.Count(); i < AAnzahl; ++i) {
        d.Add(Termin(i));
    }
    return d;
}

const std::string& Importdatei(std::int64_t AAnzahl) {
    static std::map<std::int64_t, std::string> Dateien;
    std::string& Pfad = Dateien[AAnzahl];
    if (Pfad.empty()) {
        TDaten Datei;
        for (int i = 0; i < AAnzahl; ++i) {
            TDatenClass e = Termin(i);
            const TTag Tag = e.DatumListe.front().Datum;
            switch (i % 4) {
            case 1:
                Vorkommen(e, Tag + 7, 0.5);
                break;
            case 2:
                e.DatumListe.front().VonZeit = 0.75;
                break;
            case 3:
                e.Kurztext = "Neu " + std::to_string(i);
                break;
            }
            e.Id = i;
            Datei.Add(e);
        }
        Pfad = Ordner() + "/Import" + std::to_string(AAnzahl) + ".OVK";
        KalenderdateiSchreiben(Pfad, Datei);
    }
    return Pfad;
}

void BM_ImportDatei(benchmark::State& state) {
    const TDaten& Basis = Kalender(state.range(0));
    const std::string& Pfad = Importdatei(state.range(0));
    std::int32_t Eintraege = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TDaten Daten(Basis);
        state.ResumeTiming();
        Daten.Import(Pfad);
        Eintraege = Daten.Count();
        benchmark::DoNotOptimize(Daten.Liste.data());
    }
    state.counters["Eintraege_danach"] = Eintraege;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportDatei)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Ordner());
    return 0;
}
