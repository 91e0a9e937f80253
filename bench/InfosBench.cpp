// The information window's commands at the benchmark calendar (200 daily entries, about 5.5
// million day records), each from its call until the window has its text, under 50 ms: the
// information of an entry line (Ctrl+I), the overview of the shown days of the year view (F9, one
// line per day and entry, about 73,000 lines), the moon phases' and the holidays' overviews, and
// the previews of today and of nine days.

#include <benchmark/benchmark.h>

#include "BenchKalender.h"
#include "info/TInfosBefehle.h"
#include "info/TInfosTexte.h"
#include "model/Uhr.h"
#include "platform/Zeitzone.h"
#include "text/TSpeicherSteuerung.h"
#include "text/TStillerKlang.h"
#include "views/TTagesliste.h"

namespace {

// The benchmark calendar of ATage days per entry (0: all), with a yearly holiday from 1900 to
// 2100 for the holiday overview.
TDaten& Kalender(std::size_t ATage = 0) {
    TDaten& d = BenchKalenderVon(ATage);
    if (d.Count() == 200) {
        TDatenClass Neujahr = BenchVorlage(200, at1Jahr, EncodeDate(1900, 1, 1));
        Neujahr.Kurztext = "Neujahr";
        Neujahr.TagTyp = ttFeiertag;
        d.Add(TTagClass(0, &Neujahr));
    }
    return d;
}

// The window takes the text and closes at once; it keeps the size of the last text.
class TSofortFenster : public TInfosFenster {
public:
    size_t Zeichen = 0;
    TInfosErgebnis InfosZeigen(TInfosForm& AForm) override {
        Zeichen = AForm.Text1.size() + AForm.Text2.size();
        return ieSchliessen;
    }
    void HauptfensterSchliessen() override {}
};

// The main window's day list on 18.6.2025 in AAnsicht, with the window's commands.
struct TUmgebung {
    std::unique_ptr<TZeitzone> Zeitzone = SystemZeitzone();
    TStillerKlang Klang;
    TInfosTexte Texte{*Zeitzone, Klang, ORVANTO_DATENORDNER};
    TSpeicherSteuerung Steuerung;
    std::size_t Tage;
    TTagesliste Liste{Kalender(Tage), Steuerung};
    TSofortFenster Fenster;
    TInfosBefehle Befehle{Kalender(Tage), Liste, Steuerung, Texte, Fenster, Klang};

    explicit TUmgebung(TTagesansicht AAnsicht, std::size_t ATage = 0) : Tage(ATage) {
        TUhr::Festhalten(EncodeDate(2025, 6, 18) + 0.5);
        Liste.SetTagesansicht(AAnsicht);
        Liste.SpringeZuDatum(EncodeDate(2025, 6, 18), "");
    }
    ~TUmgebung() { TUhr::Stellen({}); }
};

void Ergebnis(benchmark::State& AState, const TUmgebung& AUmgebung) {
    AState.counters["Datensaetze"] = static_cast<double>(BenchDatensaetze(Kalender(AUmgebung.Tage)));
    AState.counters["Zeilen"] = static_cast<double>(AUmgebung.Liste.DisplayItems().size());
    AState.counters["Zeichen"] = static_cast<double>(AUmgebung.Fenster.Zeichen);
}

// Ctrl+I on the first entry line of 18.6.2025.
void BM_Infos(benchmark::State& AState) {
    TUmgebung u(taWoche);
    u.Steuerung.ZeileWaehlen(u.Steuerung.ZeilenIndex() + 1);
    if (u.Liste.AktTagClass() == nullptr) {
        AState.SkipWithError("no entry line");
        return;
    }
    for (auto _ : AState) {
        u.Befehle.MenuAktInfosClick();
    }
    Ergebnis(AState, u);
}
BENCHMARK(BM_Infos)->Unit(benchmark::kMillisecond);

// F9 in the year view of 2025, at the sizes of the scaling table (the argument: days of records
// per entry, 0 for all).
void BM_Kalendertage(benchmark::State& AState) {
    TUmgebung u(taJahr, static_cast<std::size_t>(AState.range(0)));
    for (auto _ : AState) {
        u.Befehle.MenuExtKalendertageClick();
    }
    Ergebnis(AState, u);
}
BENCHMARK(BM_Kalendertage)->Apply(BenchGroessen)->Unit(benchmark::kMillisecond);

// The overviews of the moon phases and of the holidays of 2025 (the year view's year).
void BM_Ueberblicke(benchmark::State& AState) {
    TUmgebung u(taJahr);
    for (auto _ : AState) {
        u.Befehle.MenuExtMondphasenClick();
        u.Befehle.MenuExtFeiertageClick();
    }
    Ergebnis(AState, u);
}
BENCHMARK(BM_Ueberblicke)->Unit(benchmark::kMillisecond);

// F4 (0 days) and F8 (9 days).
void BM_Vorschau(benchmark::State& AState) {
    TUmgebung u(taWoche);
    for (auto _ : AState) {
        u.Befehle.VorschauAnzeigen(static_cast<int>(AState.range(0)), vaMenue);
    }
    Ergebnis(AState, u);
}
BENCHMARK(BM_Vorschau)->Arg(0)->Arg(9)->Unit(benchmark::kMillisecond);

} // namespace
