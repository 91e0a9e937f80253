// Opening, saving and the save question of the main window's file commands on the
// 5.5-million-record calendar (a file of about 120 MB), next to the file format's own load and
// save in the same run. The commands run on the window's behaviour with silent views and no
// dialogs; the save question finds the calendar unchanged and asks nothing.

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "BenchKalender.h"
#include "files/OVDatei.h"
#include "platform/SpezialOrdner.h"
#include "platform/SystemDateisystem.h"
#include "platform/TRegistryMigration.h"
#include "text/TSpeicherSteuerung.h"
#include "window/TForm1.h"

namespace {

const std::string& Ordner() {
    static const std::string o = [] {
        char Muster[] = "/tmp/orvanto-bench-XXXXXX";
        return std::string(mkdtemp(Muster)) + "/";
    }();
    return o;
}

const std::string& Datei() {
    static const std::string Pfad = [] {
        TDaten Daten;
        BenchKalender(Daten);
        const std::string p = Ordner() + "Gross.OVK";
        KalenderdateiSchreiben(p, Daten, SystemDateisystem());
        return p;
    }();
    return Pfad;
}

class TStilleAnsicht : public THauptfensterAnsicht {
public:
    void TitelSetzen(const std::string&) override {}
    std::string Statustext() const override { return {}; }
    void StatustextSetzen(const std::string&) override {}
    void SchriftartZuweisen(const TSchrift&, TFarbe) override {}
    std::optional<TFensterlage> Fensterlage() const override { return std::nullopt; }
    void FensterlageSetzen(const TFensterlage&) override {}
    void MenueAktualisieren() override {}
    void HistoryMenueSetzen(const std::vector<THistoryMenuItem>&) override {}
    void SplashAbwarten() override {}
    void SplashFreigeben() override {}
    bool GeheDatumZeigen(TTag&) override { return false; }
    bool SchriftDialogZeigen(TSchrift&, TFarbe&) override { return false; }
    bool VortageZeigen(int&) override { return false; }
};

class TStillePlattform : public TScreenReaderPlattform {
public:
    bool Vorbereiten() override { return false; }
    void Freigeben() override {}
    TScreenReaderDriverListe TreiberErzeugen() override { return {}; }
};

// The main window's behaviour with the big calendar open.
struct TFenster {
    TStilleAnsicht Ansicht;
    TSpeicherSteuerung Steuerung;
    std::unique_ptr<TSpezialOrdner> SpezialOrdner = SystemSpezialOrdner();
    std::unique_ptr<TRegistryMigration> Migration = SystemRegistryMigration();
    TEinstellungsspeicher Einstellungen{*SpezialOrdner, *Migration, SystemDateisystem()};
    TForm1 Form{Ansicht,
                Steuerung,
                Einstellungen,
                SystemDateisystem(),
                Ordner(),
                Ordner(),
                {},
                std::make_unique<TStillePlattform>()};

    TFenster() {
        if (!Form.Oeffne(Datei())) {
            abort();
        }
    }
};

TFenster& Fenster() {
    static TFenster f;
    return f;
}

void BM_FormatLaden(benchmark::State& state) {
    const std::string& Pfad = Datei();
    for (auto _ : state) {
        TDaten Daten;
        KalenderdateiLesen(Pfad, Daten, 0, SystemDateisystem());
        benchmark::DoNotOptimize(&Daten);
    }
}
BENCHMARK(BM_FormatLaden)->Unit(benchmark::kMillisecond);

// Ö&ffnen with the file chosen: the save question's check, the load, the saved copy, the lines of
// today's week, the old calendar freed.
void BM_BefehlOeffnen(benchmark::State& state) {
    TForm1& Form = Fenster().Form;
    for (auto _ : state) {
        if (!Form.Oeffne(Datei())) {
            state.SkipWithError("not opened");
        }
    }
    state.counters["Datensaetze"] = static_cast<double>(BenchDatensaetze(Form.Daten));
}
BENCHMARK(BM_BefehlOeffnen)->Unit(benchmark::kMillisecond);

void BM_FormatSpeichern(benchmark::State& state) {
    const std::string Pfad = Ordner() + "Format.OVK";
    const TDaten& Daten = Fenster().Form.Daten;
    for (auto _ : state) {
        KalenderdateiSchreiben(Pfad, Daten, SystemDateisystem());
    }
}
BENCHMARK(BM_FormatSpeichern)->Unit(benchmark::kMillisecond);

// &Speichern: the write, the saved copy, the recent files.
void BM_BefehlSpeichern(benchmark::State& state) {
    TForm1& Form = Fenster().Form;
    Form.SetKalFilename(Ordner() + "Befehl.OVK");
    for (auto _ : state) {
        if (!Form.Speichern()) {
            state.SkipWithError("not saved");
        }
    }
    Form.SetKalFilename(Datei());
}
BENCHMARK(BM_BefehlSpeichern)->Unit(benchmark::kMillisecond);

// Closing the window unchanged: the comparison with the saved copy finds no change.
void BM_SchliessenPruefung(benchmark::State& state) {
    TForm1& Form = Fenster().Form;
    for (auto _ : state) {
        if (!Form.FormCloseQuery()) {
            state.SkipWithError("asked");
        }
    }
}
BENCHMARK(BM_SchliessenPruefung)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The window with its calendar exists for every benchmark, so that all of them run on the
    // same heap.
    Fenster();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Ordner());
    return 0;
}
