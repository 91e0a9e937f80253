// The entry editor's checks when the user confirms, at the benchmark calendar (about 5.5 million
// day records): a new entry (the duplicate short-text lookup over every entry, the line text for
// the question) and an edited run (the kind of change and the identity test).

#include <benchmark/benchmark.h>

#include "BenchKalender.h"
#include "entries/TNeuForm.h"
#include "platform/TMeldungsPort.h"

namespace {

class TJa : public TMeldungsPort {
public:
    TMeldungsAntwort Zeige(TMeldungsArt, const std::string&, TMeldungsKnoepfe AKnoepfe) override {
        return AKnoepfe == mkOK ? maOK : maJa;
    }
};

class TKeineAnsicht : public TNeuFormAnsicht {
public:
    void Fokus(TNeuFeld, bool) override {}
};

TDaten& Kalender() {
    static TDaten Daten;
    if (Daten.Count() == 0) {
        BenchKalender(Daten);
    }
    return Daten;
}

void BM_NeuerEintragBestaetigen(benchmark::State& AState) {
    TDaten& Daten = Kalender();
    TNeuForm Form;
    TJa Port;
    TKeineAnsicht Ansicht;
    for (auto _ : AState) {
        Form.NeuEinrichten(&Daten, EncodeDate(2030, 6, 1));
        // A short text that an entry near the end of the list holds: the lookup walks them all.
        Form.Felder.Kurztext = "eintrag 199";
        Form.Felder.Intervall = at1Tag;
        benchmark::DoNotOptimize(Form.Schliessen(true, Port, Ansicht));
    }
    AState.counters["Datensaetze"] = static_cast<double>(BenchDatensaetze(Daten));
}
BENCHMARK(BM_NeuerEintragBestaetigen)->Unit(benchmark::kMicrosecond);

void BM_LaufBearbeitenBestaetigen(benchmark::State& AState) {
    TDaten& Daten = Kalender();
    TNeuForm Form;
    TJa Port;
    TKeineAnsicht Ansicht;
    const TDatenClass& Eintrag = Daten[100];
    const std::int32_t Mitte = Eintrag.Count() / 2;
    const TTag Tag = Eintrag.DatumListe[Mitte].VonDatum;
    for (auto _ : AState) {
        Form.BearbeitenEinrichten(&Daten, TTagClass(Mitte, &Eintrag), Tag, Tag, false);
        Form.Felder.Zeit = 0.75;
        benchmark::DoNotOptimize(Form.Schliessen(true, Port, Ansicht));
        benchmark::DoNotOptimize(Form.ModifyNr());
    }
}
BENCHMARK(BM_LaufBearbeitenBestaetigen)->Unit(benchmark::kMicrosecond);

} // namespace
