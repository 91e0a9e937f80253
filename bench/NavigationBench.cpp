// Paging and jumping in the day list of the 5.5-million-record calendar (200 daily entries from
// 2025 to 2100): each command, from its call until the new lines are handed to the list, must take
// under 5 ms. Each benchmark alternates between two commands that undo each other, so that every
// iteration is a real move.

#include <benchmark/benchmark.h>

#include "BenchKalender.h"
#include "model/Uhr.h"
#include "views/OVAnzeige.h"
#include "views/TTagesliste.h"

namespace {

// The two controls without a screen: the list's lines are taken as they are handed over.
class TBenchSteuerung : public TTageslisteSteuerung {
public:
    void PeriodenLaden(const TPeriodenliste& APerioden) override {
        FPerioden = &APerioden;
        FPeriodenNr = -1;
    }
    std::string PeriodenText() const override {
        return FPeriodenNr < 0 ? "" : (*FPerioden)[FPeriodenNr].Name;
    }
    std::int32_t PeriodenIndex() const override { return FPeriodenNr; }
    void PeriodeWaehlen(std::int32_t ANr) override { FPeriodenNr = ANr; }
    void PeriodenTextMarkieren() override {}
    void PeriodenFokus() override {}
    void ZeilenErsetzen(const TZeilenliste& AZeilen) override {
        Zeilen = AZeilen.size();
        FZeile = -1;
    }
    std::int32_t ZeilenIndex() const override { return FZeile; }
    void ZeileWaehlen(std::int32_t ANr) override { FZeile = ANr; }
    void ZeilenFokus() override {}
    bool ZeilenHatFokus() const override { return true; }
    void Piep() override { ++Pieps; }

    size_t Zeilen = 0;
    int Pieps = 0;

private:
    const TPeriodenliste* FPerioden = nullptr;
    std::int32_t FPeriodenNr = -1;
    std::int32_t FZeile = -1;
};

TDaten& Kalender(std::size_t ATage = 0) {
    return BenchKalenderVon(ATage);
}

struct TUmgebung {
    TBenchSteuerung Steuerung;
    TTagesliste Liste;

    explicit TUmgebung(TTagesansicht AAnsicht, std::size_t ATage = 0) : Liste(Kalender(ATage), Steuerung) {
        Liste.SetTagesansicht(AAnsicht);
    }
};

void Ergebnis(benchmark::State& state, const TBenchSteuerung& ASteuerung, std::size_t ATage = 0) {
    state.counters["Datensaetze"] = static_cast<double>(BenchDatensaetze(Kalender(ATage)));
    state.counters["Zeilen"] = static_cast<double>(ASteuerung.Zeilen);
    if (ASteuerung.Pieps != 0) {
        state.SkipWithError("a command was refused");
    }
    TUhr::Stellen({});
}

// Ctrl+Down and Ctrl+Up from the period of 18.6.2025.
template <TTagesansicht Ansicht> void BM_Blaettern(benchmark::State& state) {
    TUhr::Festhalten(EncodeDate(2025, 6, 1));
    TUmgebung u(Ansicht);
    u.Liste.SpringeZuDatum(EncodeDate(2025, 6, 18), "");
    bool VorS = true;
    for (auto _ : state) {
        u.Liste.Blaettern(VorS);
        VorS = !VorS;
    }
    Ergebnis(state, u.Steuerung);
}

// Alt+Home and Alt+End (with Ctrl+H the same jump to a date).
template <TTagesansicht Ansicht> void BM_KalenderSprung(benchmark::State& state) {
    TUhr::Festhalten(EncodeDate(2025, 6, 1));
    TUmgebung u(Ansicht);
    bool EndeS = true;
    for (auto _ : state) {
        u.Liste.UnbelegteTageEinschalten();
        u.Liste.SpringeZuDatum(EndeS ? KalenderEnde : KalenderAnfang, "");
        EndeS = !EndeS;
    }
    Ergebnis(state, u.Steuerung);
}

// Starts on record ANr of the last entry, whose line the command acts on.
void AufDatensatz(TUmgebung& AUmgebung, std::int32_t ANr) {
    const TDatenClass* e = &Kalender()[Kalender().Count() - 1];
    AUmgebung.Liste.SpringeZuDatum(e->DatumListe[ANr].Datum, ZeilenText(e, ANr));
}

// Ctrl+PgDn and Ctrl+PgUp in the middle of an entry's records.
template <TTagesansicht Ansicht> void BM_DatensatzNachbar(benchmark::State& state) {
    TUhr::Festhalten(EncodeDate(2025, 6, 1));
    TUmgebung u(Ansicht);
    AufDatensatz(u, 168);
    bool VorS = true;
    for (auto _ : state) {
        u.Liste.ZuDatensatzSpringen(VorS ? dsNaechster : dsVoriger);
        VorS = !VorS;
    }
    Ergebnis(state, u.Steuerung);
}

// Ctrl+End and Ctrl+Home: between the first record (2025) and the last one (2100).
template <TTagesansicht Ansicht> void BM_DatensatzRand(benchmark::State& state) {
    TUhr::Festhalten(EncodeDate(2025, 6, 1));
    TUmgebung u(Ansicht);
    AufDatensatz(u, 0);
    bool LetzterS = true;
    for (auto _ : state) {
        u.Liste.ZuDatensatzSpringen(LetzterS ? dsLetzter : dsErster);
        LetzterS = !LetzterS;
    }
    Ergebnis(state, u.Steuerung);
}

// Ctrl+J, Ctrl+M or Ctrl+W (the first argument: the view changed to, taJahr 0, taMonat 1,
// taWoche 2) on 18.6.2025, from the week view (the year view for Ctrl+W, untimed), at the sizes
// of the scaling table (the second argument: days of records per entry, 0 for all). The cost
// follows the lines shown (a year about 73,000, a month 6,200, a week 1,400), not the records
// stored.
void BM_Ansichtswechsel(benchmark::State& state) {
    const auto Ziel = static_cast<TTagesansicht>(state.range(0));
    const auto Tage = static_cast<std::size_t>(state.range(1));
    const TTagesansicht Start = Ziel == taWoche ? taJahr : taWoche;
    TUhr::Festhalten(EncodeDate(2025, 6, 1));
    TUmgebung u(Start, Tage);
    u.Liste.SpringeZuDatum(EncodeDate(2025, 6, 18), "");
    for (auto _ : state) {
        u.Liste.SetTagesansicht(Ziel);
        state.PauseTiming();
        u.Liste.SetTagesansicht(Start);
        state.ResumeTiming();
    }
    u.Liste.SetTagesansicht(Ziel);
    Ergebnis(state, u.Steuerung, Tage);
}

} // namespace

BENCHMARK(BM_Ansichtswechsel)
    ->ArgsProduct({{taJahr, taMonat, taWoche}, BenchTage})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Blaettern, taWoche)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Blaettern, taMonat)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Blaettern, taJahr)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_KalenderSprung, taWoche)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_KalenderSprung, taMonat)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_KalenderSprung, taJahr)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_DatensatzNachbar, taWoche)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_DatensatzNachbar, taMonat)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_DatensatzNachbar, taJahr)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_DatensatzRand, taWoche)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_DatensatzRand, taMonat)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_DatensatzRand, taJahr)->Unit(benchmark::kMillisecond);
