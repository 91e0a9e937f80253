// The entry commands at the model benchmark's calendar (200 daily entries, about 5.5 million day
// records), in one run: a daily entry from 1.1.1900 to 31.12.2100 is created, one of its runs is
// edited (its time, that run only) and the entry is deleted, each through its command with the
// jump in the day list, and after each the modified check as the window makes it (the calendar
// against its saved copy, reading the records only of entries changed since the copy).
// Each step's mean processor time is a counter in milliseconds.

#include <benchmark/benchmark.h>

#include <ctime>

#include "BenchKalender.h"
#include "entries/TEintragBefehle.h"
#include "model/TSpeicherstand.h"
#include "platform/TMeldungsPort.h"
#include "text/TSpeicherSteuerung.h"
#include "views/TTagesliste.h"

namespace {

class TJa : public TMeldungsPort {
public:
    TMeldungsAntwort Zeige(TMeldungsArt, const std::string&, TMeldungsKnoepfe AKnoepfe) override {
        return AKnoepfe == mkOK ? maOK : maJa;
    }
};

// The user confirms at once: a new daily entry from the calendar's first day, or the run shown
// moved to 18:00 for that run only.
class TBenchEditor : public TEintragEditor {
public:
    TDateTime Zeit = 0.75;

    bool Neu(const TDaten&, TTag) override {
        FEintrag = BenchVorlage(0, at1Tag, KalenderAnfang);
        FEintrag.Kurztext = "Neu";
        FModifyNr = 1;
        return true;
    }
    bool Bearbeiten(const TDaten&, const TTagClass& ATagClass, TTag, TTag, bool) override {
        FEintrag.Clear();
        FEintrag.AssignInfos(*ATagClass.DatenClass);
        FEintrag.Add(ATagClass.DatenClass->DatumListe[ATagClass.DatumNr]);
        FEintrag.DatumListe[0].VonZeitSetzen(Zeit);
        FModifyNr = 2;
        return true;
    }
    TTagClass Datensatz() override { return {0, &FEintrag}; }
    int ModifyNr() override { return FModifyNr; }
    bool AktuellerS() const override { return true; }
    bool AlleS() const override { return false; }

private:
    TDatenClass FEintrag;
    int FModifyNr = 1;
};

// The thread's processor time in milliseconds since AStart, which then moves on: on a machine
// shared with other work the wall clock would count their time too.
double Millisekunden(double& AStart) {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    const double Jetzt = static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    const double ms = Jetzt - AStart;
    AStart = Jetzt;
    return ms;
}

// The big calendar with its saved state, its day list on ATag and the entry commands on it,
// every question answered with Ja.
struct TBenchKalenderDaten {
    TBenchKalenderDaten() {
        BenchKalender(Daten);
        Daten.SpeicherkopieSetzen(SpeicherDaten);
    }
    TDaten Daten;
    TSpeicherstand SpeicherDaten;
};

struct TBenchBefehle : TBenchKalenderDaten {
    explicit TBenchBefehle(TTag ATag) {
        Liste.SpringeZuDatum(ATag, "");
        TMeldungsPort::Setze(&Port);
    }
    TSpeicherSteuerung Steuerung;
    TTagesliste Liste{Daten, Steuerung};
    TJa Port;
    TBenchEditor Editor;
    TEintragBefehle Befehle{Daten, Liste, Steuerung, Editor};
};

void BM_NeuBearbeitenLoeschen(benchmark::State& AState) {
    TBenchBefehle b(EncodeDate(2025, 1, 1));
    TDaten& Daten = b.Daten;
    TEintragBefehle& Befehle = b.Befehle;
    const char* const Schritte[] = {"Neu_ms",        "Neu_Geaendert_ms",
                                    "Bearbeiten_ms", "Bearbeiten_Geaendert_ms",
                                    "Loeschen_ms",   "Loeschen_Geaendert_ms"};
    double Summe[6] = {};
    // Read by the label after the loop, so the checks are not optimised away.
    bool Geaendert[3] = {};
    for (auto _ : AState) {
        double t = 0;
        Millisekunden(t);
        Befehle.MenuAktNeuClick();
        Summe[0] += Millisekunden(t);
        Geaendert[0] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[1] += Millisekunden(t);
        Befehle.MenuAktBearbeitenClick();
        Summe[2] += Millisekunden(t);
        Geaendert[1] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[3] += Millisekunden(t);
        Befehle.MenuAktLoeschenClick(true);
        Summe[4] += Millisekunden(t);
        Geaendert[2] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[5] += Millisekunden(t);
    }
    TMeldungsPort::Setze(nullptr);
    for (int i = 0; i < 6; ++i) {
        AState.counters[Schritte[i]] = Summe[i] / static_cast<double>(AState.iterations());
    }
    AState.SetLabel(std::to_string(BenchDatensaetze(Daten)) +
                    " records; modified after each: " + (Geaendert[0] ? "yes " : "no ") +
                    (Geaendert[1] ? "yes " : "no ") + (Geaendert[2] ? "yes" : "no"));
}
BENCHMARK(BM_NeuBearbeitenLoeschen)->Unit(benchmark::kMillisecond);

// One run of an entry of the saved calendar edited (its time, that run only) and edited back, each
// followed by the modified check, which reads that entry's records against the copy's: after the
// edit up to the changed run, after the edit back all of them.
void BM_BestehendenBearbeiten(benchmark::State& AState) {
    TBenchBefehle b(EncodeDate(2025, 1, 1));
    TDaten& Daten = b.Daten;
    TTagesliste& Liste = b.Liste;
    TEintragBefehle& Befehle = b.Befehle;
    const std::string Zeile = Liste.AktZeile();
    const TDateTime Vorher =
        Liste.AktTagClass()->DatenClass->DatumListe[Liste.AktTagClass()->DatumNr].VonZeit();
    const char* const Schritte[] = {"Bearbeiten_ms", "Bearbeiten_Geaendert_ms", "Zurueck_ms",
                                    "Zurueck_Geaendert_ms"};
    double Summe[4] = {};
    bool Geaendert[2] = {};
    for (auto _ : AState) {
        double t = 0;
        Millisekunden(t);
        b.Editor.Zeit = 0.75;
        Befehle.MenuAktBearbeitenClick();
        Summe[0] += Millisekunden(t);
        Geaendert[0] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[1] += Millisekunden(t);
        b.Editor.Zeit = Vorher;
        Befehle.MenuAktBearbeitenClick();
        Summe[2] += Millisekunden(t);
        Geaendert[1] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[3] += Millisekunden(t);
    }
    TMeldungsPort::Setze(nullptr);
    for (int i = 0; i < 4; ++i) {
        AState.counters[Schritte[i]] = Summe[i] / static_cast<double>(AState.iterations());
    }
    AState.SetLabel("on " + Zeile + "; modified after each: " + (Geaendert[0] ? "yes " : "no ") +
                    (Geaendert[1] ? "yes" : "no"));
}
BENCHMARK(BM_BestehendenBearbeiten)->Unit(benchmark::kMillisecond);

// On a line of a daily entry on 15.6.2060: the occurrence deactivated and activated again, and
// copied and pasted on the next day (as a new entry) and that pasted occurrence deleted, each
// through its command with the reselection, followed by the modified check.
void BM_AktivierenEinfuegen(benchmark::State& AState) {
    const TTag Tag = EncodeDate(2060, 6, 15);
    TBenchBefehle b(Tag);
    TDaten& Daten = b.Daten;
    TTagesliste& Liste = b.Liste;
    TEintragBefehle& Befehle = b.Befehle;
    Befehle.MenuBearbKopierenClick();
    const char* const Schritte[] = {"Deaktivieren_ms", "Aktivieren_ms", "Einfuegen_ms", "Loeschen_ms"};
    double Summe[4] = {};
    bool Geaendert[4] = {};
    std::string Eingefuegt;
    for (auto _ : AState) {
        double t = 0;
        Millisekunden(t);
        Befehle.MenuAktAktDeaktClick(avDeaktiv);
        Geaendert[0] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[0] += Millisekunden(t);
        Befehle.MenuAktAktDeaktClick(avAktiv);
        Geaendert[1] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[1] += Millisekunden(t);
        Liste.SpringeZuDatum(Tag + 1, "");
        Millisekunden(t);
        Befehle.MenuBearbEinfuegenClick();
        Geaendert[2] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[2] += Millisekunden(t);
        Eingefuegt = Liste.AktZeile();
        Befehle.MenuAktLoeschenClick(false);
        Geaendert[3] = !Daten.IdentSpeicherkopie(b.SpeicherDaten);
        Summe[3] += Millisekunden(t);
        Liste.SpringeZuDatum(Tag, "");
    }
    TMeldungsPort::Setze(nullptr);
    for (int i = 0; i < 4; ++i) {
        AState.counters[Schritte[i]] = Summe[i] / static_cast<double>(AState.iterations());
    }
    AState.SetLabel("pasted " + Eingefuegt + "; modified after each: " + (Geaendert[0] ? "yes " : "no ") +
                    (Geaendert[1] ? "yes " : "no ") + (Geaendert[2] ? "yes " : "no ") +
                    (Geaendert[3] ? "yes" : "no"));
}
BENCHMARK(BM_AktivierenEinfuegen)->Unit(benchmark::kMillisecond);

// The states of the entry commands' menu items, as worked out when the "A&ktionen" menu opens
// and before each of its shortcuts runs, on an entry line of the calendar.
void BM_MenueZustaende(benchmark::State& AState) {
    TBenchBefehle b(EncodeDate(2060, 6, 15));
    TEintragBefehle& Befehle = b.Befehle;
    Befehle.MenuBearbKopierenClick();
    for (auto _ : AState) {
        for (TMenueBefehl Befehl :
             {mbNeu, mbBearbeiten, mbAktivieren, mbDeaktivieren, mbAusblenden, mbEintragImportieren,
              mbLoeschen, mbAlleLoeschen, mbAbgelaufeneLoeschen, mbKopieren, mbAusschneiden, mbEinfuegen}) {
            benchmark::DoNotOptimize(Befehle.MenueZustand(Befehl));
        }
    }
    AState.SetLabel("on " + b.Liste.AktZeile());
}
BENCHMARK(BM_MenueZustaende)->Unit(benchmark::kMillisecond);

} // namespace
