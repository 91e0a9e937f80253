// One key press in the date and time pickers' behaviour classes, from the key to the new text and
// selection the control shows. Goal: under 20 microseconds per key.

#include <benchmark/benchmark.h>

#include "controls/TDatePicker.h"
#include "controls/TTimePicker.h"

namespace {

TDatePicker& KalenderPicker() {
    static TDatePicker Picker;
    Picker.SetMinDatum(KalenderAnfang);
    Picker.SetMaxDatum(KalenderEnde);
    Picker.SetDatum(EncodeDate(2024, 3, 4));
    Picker.SetMarkiereNr(TDatePicker::FeldTag);
    return Picker;
}

// Right and Left in turn: each checks the field left and selects the next.
void BM_DatumRechtsLinks(benchmark::State& state) {
    TDatePicker& Picker = KalenderPicker();
    bool RechtsS = true;
    for (auto _ : state) {
        Picker.KeyDown(RechtsS ? TDatePicker::TTaste::Rechts : TDatePicker::TTaste::Links);
        RechtsS = !RechtsS;
        benchmark::DoNotOptimize(Picker.SelStart());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DatumRechtsLinks);

// Up and Down in turn in the day, month or year field: check, read, step, render.
void BM_DatumHochRunter(benchmark::State& state) {
    TDatePicker& Picker = KalenderPicker();
    Picker.SetMarkiereNr(static_cast<int>(state.range(0)));
    bool HochS = true;
    for (auto _ : state) {
        Picker.UpDown(HochS ? TDatePicker::TRichtung::Auf : TDatePicker::TRichtung::Ab);
        HochS = !HochS;
        benchmark::DoNotOptimize(Picker.Text().data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DatumHochRunter)
    ->Arg(TDatePicker::FeldTag)
    ->Arg(TDatePicker::FeldMonat)
    ->Arg(TDatePicker::FeldJahr);

// Typing "1", "5" into the day (which moves on to the month) and Left back: three keys.
void BM_DatumTippen(benchmark::State& state) {
    TDatePicker& Picker = KalenderPicker();
    for (auto _ : state) {
        Picker.Char('1');
        Picker.Char('5');
        Picker.KeyDown(TDatePicker::TTaste::Links);
        benchmark::DoNotOptimize(Picker.Text().data());
    }
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_DatumTippen);

void BM_ZeitHochRunter(benchmark::State& state) {
    TTimePicker Picker;
    Picker.SetZeit(0.5);
    bool HochS = true;
    for (auto _ : state) {
        Picker.UpDown(HochS ? TTimePicker::TRichtung::Auf : TTimePicker::TRichtung::Ab);
        HochS = !HochS;
        benchmark::DoNotOptimize(Picker.Text().data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ZeitHochRunter);

// Typing "0", "9" into the hours (which moves on to the minutes) and Left back: three keys.
void BM_ZeitTippen(benchmark::State& state) {
    TTimePicker Picker;
    Picker.SetZeit(0.5);
    for (auto _ : state) {
        Picker.Char('0');
        Picker.Char('9');
        Picker.KeyDown(TTimePicker::TTaste::Links);
        benchmark::DoNotOptimize(Picker.Text().data());
    }
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_ZeitTippen);

} // namespace
