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
#include "platform/SystemDateisystem.h"

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
    r.VonZeitSetzen(AVonZeit);
    AEintrag.Add(r);
}

// The calendar and the import file of N entries each, written once per size.
struct TImportDaten {
    TDaten Kalender;
    std::string Datei;
};

TImportDaten Vielerlei(int AAnzahl) {
    TImportDaten d;
    TDaten Datei;
    for (int i = 0; i < AAnzahl; ++i) {
        d.Kalender.Add(Termin(i));
        TDatenClass e = Termin(i);
        const TTag Tag = e.DatumListe.front().Datum;
        switch (i % 4) {
        case 1:
            Vorkommen(e, Tag + 7, 0.5);
            break;
        case 2:
            e.DatumListe.front().VonZeitSetzen(0.75);
            break;
        case 3:
            e.Kurztext = "Neu " + std::to_string(i);
            break;
        }
        Datei.Add(e);
    }
    d.Datei = Ordner() + "/Vielerlei" + std::to_string(AAnzahl) + ".OVK";
    KalenderdateiSchreiben(d.Datei, Datei, SystemDateisystem());
    return d;
}

// Every entry of one kind, as in a calendar that makes a new entry for each appointment of the
// same name: half the file's entries merge into the first one, the others collide with it.
TImportDaten EineArt(int AAnzahl) {
    const auto Dienst = [](int ANr) {
        TDatenClass e = Termin(ANr);
        e.Kurztext = "Dienst";
        return e;
    };
    TImportDaten d;
    TDaten Datei;
    for (int i = 0; i < AAnzahl; ++i) {
        d.Kalender.Add(Dienst(2 * i));
        Datei.Add(Dienst(i % 2 == 0 ? 2 * i + 1 : 2 * i));
    }
    d.Datei = Ordner() + "/EineArt" + std::to_string(AAnzahl) + ".OVK";
    KalenderdateiSchreiben(d.Datei, Datei, SystemDateisystem());
    return d;
}

template <TImportDaten (*Erzeugen)(int)> void BM_ImportDatei(benchmark::State& state) {
    static std::map<std::int64_t, TImportDaten> Vorrat;
    auto Vorhanden = Vorrat.find(state.range(0));
    if (Vorhanden == Vorrat.end()) {
        Vorhanden = Vorrat.emplace(state.range(0), Erzeugen(static_cast<int>(state.range(0)))).first;
    }
    const TImportDaten& d = Vorhanden->second;
    std::int32_t Eintraege = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TDaten Daten(d.Kalender);
        state.ResumeTiming();
        Daten.Import(d.Datei, SystemDateisystem());
        Eintraege = Daten.Count();
        benchmark::DoNotOptimize(&Daten);
    }
    state.counters["Eintraege_danach"] = Eintraege;
    state.SetComplexityN(state.range(0));
}
BENCHMARK_TEMPLATE(BM_ImportDatei, Vielerlei)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ImportDatei, EineArt)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
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
