// The entry search over the model benchmark's calendar (200 daily entries, about 5.5 million day
// records) joined by 9,800 entries with everyday German texts, 10,000 entries in all: the found
// list of a term, and the continue command (one search and the jump in the day list).

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "BenchKalender.h"
#include "search/TSuchBefehle.h"
#include "text/TSpeicherSteuerung.h"
#include "views/OVAnzeige.h"
#include "views/TTagesliste.h"
#include "views/TTageslisteSteuerung.h"

namespace {

constexpr std::array Anlaesse = {"Zahnarzt",    "Hausarzt",        "Geburtstag",  "Elternabend",
                                 "Yoga",        "Chorprobe",       "Friseur",     "Steuerberater",
                                 "Müllabfuhr",  "Übung",           "Straßenfest", "Physiotherapie",
                                 "Besprechung", "Kaffeekränzchen", "Tierarzt",    "Wandertag"};
constexpr std::array Zusaetze = {
    "bei Dr. Müller", "mit Käthe",     "im Gemeindezentrum", "in der Schule", "Oma Jörg", "beim Verein",
    "in Graz",        "am Hauptplatz", "mit Günther",        "nachmittags",   "Büro",     ""};
constexpr std::array Saetze = {
    "Versicherungskarte nicht vergessen. ",  "Bitte zehn Minuten früher kommen. ",
    "Blumen für die Gastgeberin besorgen. ", "Unterlagen vom letzten Mal mitnehmen. ",
    "Anfahrt mit der Straßenbahn Linie 5. ", "Rückruf unter 0316 123456. "};

// Entry ANr of the everyday ones: a short text, a long text of zero to five sentences, one
// occurrence per year from a day of 2025 on.
TDatenClass Alltagseintrag(int ANr) {
    TDatenClass e;
    e.Kurztext = std::string(Anlaesse[ANr % Anlaesse.size()]) + " " + Zusaetze[(ANr / 16) % Zusaetze.size()];
    for (int i = 0; i < ANr % 6; ++i) {
        e.Langtext += Saetze[(ANr + i) % Saetze.size()];
    }
    e.Id = 1000 + ANr;
    e.EndeDatum = KalenderEnde;
    TDatumClass r;
    r.Datum = r.VonDatum = r.BisDatum = EncodeDate(2025, 1, 1) + ANr % 365;
    e.Add(r);
    return e;
}

TDaten& Kalender() {
    static TDaten Daten;
    if (Daten.Count() == 0) {
        BenchKalender(Daten);
        for (int i = 0; i < 9800; ++i) {
            Daten.Add(Alltagseintrag(i));
        }
    }
    return Daten;
}

const std::array Begriffe = {"zahnarzt", "müller", "straßenbahn", "e", "gibtsnicht"};

void BM_GefundeneListe(benchmark::State& AState) {
    TSuchKlassenForm Form;
    Form.DatenRef = &Kalender();
    Form.SuchNr = snBeide;
    Form.Suchbegriff = Begriffe[AState.range(0)];
    for (auto _ : AState) {
        benchmark::DoNotOptimize(Form.SucheKlassenOk(EncodeDate(2060, 6, 15)));
    }
    AState.SetLabel(Form.Suchbegriff + ": " + std::to_string(Form.Results().size()) + " of " +
                    std::to_string(Kalender().Count()) + " entries, " +
                    std::to_string(BenchDatensaetze(Kalender())) + " records");
}
BENCHMARK(BM_GefundeneListe)->DenseRange(0, Begriffe.size() - 1)->Unit(benchmark::kMillisecond);

// The user takes the first found entry each time.
class TErsteWahl : public TSuchDialoge {
public:
    bool SuchenZeigen(TSuchenForm&) override { return false; }
    bool GefundeneZeigen(TSuchKlassenForm& AForm) override {
        AForm.ItemIndex = 0;
        return true;
    }
    void NamenSucheZeigen(TSucheNameForm&) override {}
};

void BM_Weiter(benchmark::State& AState) {
    TSpeicherSteuerung Steuerung;
    TTagesliste Liste(Kalender(), Steuerung);
    Liste.SpringeZuDatum(EncodeDate(2025, 1, 1), "");
    TErsteWahl Dialoge;
    TSuchBefehle Befehle(Kalender(), Liste, Dialoge, "");
    Befehle.Suchbegriff = Begriffe[AState.range(0)];
    Befehle.Suchen.ItemIndex = 2;
    for (auto _ : AState) {
        Befehle.MenuSuchenWeiterClick();
    }
    AState.SetLabel(Befehle.Suchbegriff + ": now at " + Liste.AktZeile());
}
BENCHMARK(BM_Weiter)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The continue command's jump alone: the day list rebuilt on the found occurrence's week.
void BM_NurSprung(benchmark::State& AState) {
    TSpeicherSteuerung Steuerung;
    TTagesliste Liste(Kalender(), Steuerung);
    const TDatenClass& Eintrag = Kalender()[Kalender().Count() - 1];
    for (auto _ : AState) {
        Liste.SpringeZuDatum(Eintrag.DatumListe[0].Datum, ZeilenText(&Eintrag, 0));
    }
    AState.SetLabel("now at " + Liste.AktZeile());
}
BENCHMARK(BM_NurSprung)->Unit(benchmark::kMillisecond);

} // namespace
