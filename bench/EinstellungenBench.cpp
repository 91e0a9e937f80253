// Reading a settings file of many keys: the text of the file is parsed and written back, as the
// program does at every start and close. The goal: a file of a few megabytes in well under a
// second.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/SystemDateisystem.h"
#include "platform/TMemIniFile.h"

namespace {

// The program's own section with AAnzahl keys it does not know (each line about 25 bytes), as a
// damaged or foreign file may hold.
std::string Einstellungstext(std::int64_t AAnzahl) {
    std::string Text = "[MainForm]\nFontName=Arial\nFontSize=12\n";
    for (std::int64_t i = 0; i < AAnzahl; ++i) {
        Text += "Unbekannt" + std::to_string(i) + "=Wert " + std::to_string(i) + "\n";
    }
    return Text;
}

void BM_EinstellungenLesen(benchmark::State& state) {
    const std::string Text = Einstellungstext(state.range(0));
    for (auto _ : state) {
        TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
        Ini.SetText(Text);
        benchmark::DoNotOptimize(Ini.ReadInteger("MainForm", "FontSize", 0));
    }
    state.counters["MB"] = static_cast<double>(Text.size()) / 1e6;
}
BENCHMARK(BM_EinstellungenLesen)->Arg(20000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

// Read, one value changed, the text to write back built.
void BM_EinstellungenLesenUndZurueckschreiben(benchmark::State& state) {
    const std::string Text = Einstellungstext(state.range(0));
    for (auto _ : state) {
        TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
        Ini.SetText(Text);
        Ini.WriteInteger("MainForm", "FontSize", 14);
        benchmark::DoNotOptimize(Ini.GetText().size());
    }
    state.counters["MB"] = static_cast<double>(Text.size()) / 1e6;
}
BENCHMARK(BM_EinstellungenLesenUndZurueckschreiben)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace
