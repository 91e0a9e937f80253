// Loading and saving the 5.5-million-record calendar (a file of about 120 MB), next to reading the
// same file with read() and saving without the flushes, in the same run.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "BenchKalender.h"
#include "files/OVDatei.h"
#include "platform/SystemDateisystem.h"

namespace {

const std::string& Ordner() {
    static const std::string o = [] {
        char Muster[] = "/tmp/orvanto-bench-XXXXXX";
        return std::string(mkdtemp(Muster));
    }();
    return o;
}

TDaten& Kalender() {
    return BenchKalenderVon(0);
}

const std::string& Datei() {
    static const std::string Pfad = [] {
        const std::string p = Ordner() + "/Gross.OVK";
        KalenderdateiSchreiben(p, Kalender(), SystemDateisystem());
        return p;
    }();
    return Pfad;
}

void ProDatensatz(benchmark::State& state, const TDaten& ADaten = Kalender()) {
    state.counters["ns_pro_Datensatz"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * BenchDatensaetze(ADaten),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Laden(benchmark::State& state) {
    const std::string& Pfad = Datei();
    for (auto _ : state) {
        TDaten Daten;
        KalenderdateiLesen(Pfad, Daten, 0, SystemDateisystem());
        benchmark::DoNotOptimize(&Daten);
    }
    ProDatensatz(state);
}
BENCHMARK(BM_Laden)->Unit(benchmark::kMillisecond);

// The floor: the same file read into a new buffer with read().
void BM_Vergleich_Read(benchmark::State& state) {
    const std::string& Pfad = Datei();
    for (auto _ : state) {
        const int fd = open(Pfad.c_str(), O_RDONLY);
        struct stat Info {};
        fstat(fd, &Info);
        std::string Puffer(static_cast<std::size_t>(Info.st_size), '\0');
        std::size_t Gelesen = 0;
        while (Gelesen < Puffer.size()) {
            const ssize_t n = read(fd, Puffer.data() + Gelesen, Puffer.size() - Gelesen);
            if (n <= 0) {
                break;
            }
            Gelesen += static_cast<std::size_t>(n);
        }
        close(fd);
        benchmark::DoNotOptimize(Puffer.data());
    }
    ProDatensatz(state);
}
BENCHMARK(BM_Vergleich_Read)->Unit(benchmark::kMillisecond);

// At the sizes of the scaling table (the argument: days of records per entry, 0 for all).
void BM_Speichern(benchmark::State& state) {
    const std::string Pfad = Ordner() + "/Speichern.OVK";
    const TDaten& Daten = BenchKalenderVon(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        KalenderdateiSchreiben(Pfad, Daten, SystemDateisystem());
    }
    state.counters["Datensaetze"] = static_cast<double>(BenchDatensaetze(Daten));
    ProDatensatz(state, Daten);
}
BENCHMARK(BM_Speichern)->Apply(BenchGroessen)->Unit(benchmark::kMillisecond);

// The same save with the flushes to the disk left out.
class TOhneSichern : public TDateisystem {
public:
    std::string LiesDatei(const std::string& p) override { return S.LiesDatei(p); }
    int OeffneLesen(const std::string& p, std::uint64_t& g) override { return S.OeffneLesen(p, g); }
    std::size_t Lies(int h, char* z, std::size_t n) override { return S.Lies(h, z, n); }
    bool Existiert(const std::string& p) override { return S.Existiert(p); }
    std::string VollerPfad(const std::string& p) override { return S.VollerPfad(p); }
    std::string Speicherziel(const std::string& p) override { return S.Speicherziel(p); }
    int ErzeugeNeu(const std::string& p) override { return S.ErzeugeNeu(p); }
    void Schreibe(int h, const char* d, std::size_t n) override { S.Schreibe(h, d, n); }
    void Sichere(int) override {}
    void Schliesse(int h) override { S.Schliesse(h); }
    bool Verknuepfe(const std::string& a, const std::string& b) noexcept override {
        return S.Verknuepfe(a, b);
    }
    void Umbenennen(const std::string& a, const std::string& b) override { S.Umbenennen(a, b); }
    void OrdnerSichern(const std::string&) override {}
    void Entferne(const std::string& p) noexcept override { S.Entferne(p); }
    int Festhalten(const std::string& p) noexcept override { return S.Festhalten(p); }
    void Loslassen(int h) noexcept override { S.Loslassen(h); }
    void EntferneWennFrei(const std::string& p) noexcept override { S.EntferneWennFrei(p); }
    std::vector<std::string> Ordnerinhalt(const std::string& o) noexcept override {
        return S.Ordnerinhalt(o);
    }

private:
    TDateisystem& S = SystemDateisystem();
};

void BM_Speichern_OhneSichern(benchmark::State& state) {
    const std::string Pfad = Ordner() + "/OhneSichern.OVK";
    TOhneSichern Dateisystem;
    for (auto _ : state) {
        KalenderdateiSchreiben(Pfad, Kalender(), Dateisystem);
    }
    ProDatensatz(state);
}
BENCHMARK(BM_Speichern_OhneSichern)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Ordner());
    return 0;
}
