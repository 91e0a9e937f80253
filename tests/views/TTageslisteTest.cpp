#include "views/TTagesliste.h"

#include "views/TFakeSteuerung.h"
#include "views/ViewsHilfen.h"
#include <functional>

namespace {

// Today is Monday 6.1.2025. The calendar has an appointment on 8.1., a holiday on 9.1. and a
// deactivated appointment on 10.1.
class Tagesliste : public MitUhr {
protected:
    TDaten Daten;
    TFakeSteuerung Fake;
    std::unique_ptr<TTagesliste> Liste;

    void SetUp() override {
        MitUhr::SetUp();
        Daten.Add(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
        Daten.Add(Eintrag("Kino", {{D(8, 1, 2025), D(8, 1, 2025)}}));
        Daten.Add(Eintrag("Fest", {{D(9, 1, 2025), D(9, 1, 2025)}}, ttFeiertag));
        Daten.Add(Eintrag("Abgesagt", {{D(10, 1, 2025), D(10, 1, 2025)}}, ttTermin, avDeaktiv));
        Liste = std::make_unique<TTagesliste>(Daten, Fake);
        Liste->SpringeZuDatum(TUhr::Heute(), "");
    }

    // Selects the line with this text, as the user's arrow keys do.
    void Waehle(const std::string& AZeile) {
        const auto i = std::find(Fake.Zeilen.begin(), Fake.Zeilen.end(), AZeile);
        ASSERT_NE(i, Fake.Zeilen.end()) << AZeile;
        Fake.ZeilenNr = static_cast<std::int32_t>(i - Fake.Zeilen.begin());
    }
};

const std::string Kino = "Mi 08.01.2025: Kino | (T1E+) | Von übermorgen bis übermorgen";

} // namespace

TEST_F(Tagesliste, StartsOnTodayInTheWeekView) {
    EXPECT_EQ(Liste->Tagesansicht(), taWoche);
    EXPECT_EQ(Fake.Perioden.size(), 10488u);
    EXPECT_EQ(Fake.Text, "W2/2025");
    EXPECT_EQ(Fake.Zeilen, (std::vector<std::string>{
                               "W2  Mo 06.01.2025: Heute", "    Di 07.01.2025",
                               "    Mi 08.01.2025: Arzt | (T1E+) | Von übermorgen bis übermorgen",
                               "    " + Kino, "    Do 09.01.2025: \"Fest\"",
                               "    Fr 10.01.2025: Abgesagt | (T1E-) | Von 10.01.2025 bis 10.01.2025",
                               "    Sa 11.01.2025", "    So 12.01.2025"}));
    EXPECT_EQ(Fake.ZeilenNr, 0);
    EXPECT_EQ(Fake.Fokus, "Zeilen");
    EXPECT_EQ(Liste->AktTagClass(), nullptr);
    EXPECT_EQ(Liste->AltStrDatum, "06.01.2025");
    for (int i = 0; i < FilterAnzahl; ++i) {
        EXPECT_EQ(Liste->Filter(i), i != fiFrei) << i;
    }
}

TEST_F(Tagesliste, CurrentLineHandsOutItsEntry) {
    Waehle("    " + Kino);
    ASSERT_NE(Liste->AktTagClass(), nullptr);
    EXPECT_EQ(Liste->AktTagClass()->DatenClass, &Daten[1]);
    EXPECT_EQ(Liste->AktTagClass()->DatumNr, 0);
    const TTagClass Anderer(0, &Daten[0]);
    Liste->SetAktTagClass(&Anderer);
    EXPECT_EQ(Liste->AktTagClass()->DatenClass, &Daten[0]);
    Liste->SetAktTagClass(nullptr);
    EXPECT_EQ(Liste->AktTagClass(), nullptr);
}

TEST_F(Tagesliste, TypingAPeriod) {
    const struct {
        const char* Eingabe;
        bool Gefunden;
        const char* Text; // the box's text afterwards
    } Faelle[] = {
        {"w1/2024-2025", true, "W1/2024-2025"}, {"  W53/2020-2021 ", true, "W53/2020-2021"},
        {"W52/2100", true, "W52/2100"},         {"W1/2025", false, "W1/2025"},
        {"13/2025", false, "13/2025"},          {"abc", false, "abc"},
    };
    for (const auto& f : Faelle) {
        Liste->SpringeZuDatum(TUhr::Heute(), "");
        const auto Vorher = Fake.Zeilen;
        const int Pieps = Fake.Pieps;
        Fake.TextMarkiert = false;
        Fake.Tippen(f.Eingabe);
        Liste->PeriodeEingeben();
        EXPECT_EQ(Fake.Text, f.Text) << f.Eingabe;
        EXPECT_EQ(Fake.Pieps - Pieps, f.Gefunden ? 0 : 1) << f.Eingabe;
        EXPECT_EQ(Fake.TextMarkiert, !f.Gefunden) << f.Eingabe;
        EXPECT_EQ(Fake.Fokus, f.Gefunden ? "Zeilen" : "Perioden") << f.Eingabe;
        if (f.Gefunden) {
            EXPECT_EQ(Fake.ZeilenNr, 0) << f.Eingabe;
            EXPECT_NE(Fake.Zeilen, Vorher) << f.Eingabe;
        } else {
            EXPECT_EQ(Fake.Zeilen, Vorher) << f.Eingabe;
        }
    }
    Fake.Tippen("w1/2024-2025");
    Liste->PeriodeEingeben();
    EXPECT_EQ(Fake.Zeilen.front(), "W1  Mo 30.12.2024");
    EXPECT_EQ(Fake.Zeilen.back(), "    So 05.01.2025");
}

TEST_F(Tagesliste, MonthViewBeepsOnAMonthThatDoesNotExist) {
    Liste->SetTagesansicht(taMonat);
    EXPECT_EQ(Fake.Text, "1/2025");
    Fake.Tippen("13/2025");
    Liste->PeriodeEingeben();
    EXPECT_EQ(Fake.Pieps, 1);
    Fake.Tippen("12/2025");
    Liste->PeriodeEingeben();
    EXPECT_EQ(Fake.Zeilen.size(), 31u);
    EXPECT_EQ(Fake.Zeilen.front(), "W49 Mo 01.12.2025");
}

TEST_F(Tagesliste, EmptyPeriodBecomesThePlaceToReturnTo) {
    Liste->MenuAnsAusblenden(fiUnbelegt);
    Fake.Tippen("W10/2025");
    Liste->PeriodeEingeben();
    EXPECT_TRUE(Fake.Zeilen.empty());
    EXPECT_EQ(Liste->AltStrDatum, "");
    EXPECT_EQ(Liste->AltPosDatum, D(3, 3, 2025));
    // Switching the view returns to that place.
    Liste->SetTagesansicht(taMonat);
    EXPECT_EQ(Fake.Text, "3/2025");
}

TEST_F(Tagesliste, PickingAPeriodFromTheList) {
    Fake.PeriodeWaehlen(Fake.PeriodenNr + 1);
    Liste->PeriodeGewaehlt();
    EXPECT_EQ(Fake.Zeilen.front(), "W3  Mo 13.01.2025");
    EXPECT_EQ(Fake.ZeilenNr, 0);
}

// Up and Down in the box show the period they reach at once and leave the focus in the box.
TEST_F(Tagesliste, ArrowKeysInThePeriodBox) {
    const struct {
        TTagesansicht Ansicht;
        TTag Start;
        bool VorS;
        const char* Periode; // afterwards; the start's period when refused
        const char* ErsteZeile;
        bool PiepS;
    } Faelle[] = {
        {taWoche, D(6, 1, 2025), true, "W3/2025", "W3  Mo 13.01.2025", false},
        {taWoche, D(6, 1, 2025), false, "W1/2024-2025", "W1  Mo 30.12.2024", false},
        {taWoche, KalenderEnde, true, "W52/2100", "W52 Mo 27.12.2100", true},
        {taWoche, KalenderAnfang, false, "W1/1900", "W1  Mo 01.01.1900", true},
        {taMonat, D(15, 11, 2100), true, "12/2100", "W48 Mi 01.12.2100", false},
        {taJahr, KalenderAnfang, false, "1900", "W1  Mo 01.01.1900", true},
    };
    for (const auto& f : Faelle) {
        Liste->SetTagesansicht(f.Ansicht);
        Liste->SpringeZuDatum(f.Start, "");
        Fake.ZeileWaehlen(1);
        Fake.Fokus = "Perioden";
        const int Pieps = Fake.Pieps;
        Liste->PeriodeSchritt(f.VorS);
        EXPECT_EQ(Fake.Text, f.Periode) << f.Periode;
        EXPECT_EQ(Fake.Pieps - Pieps, f.PiepS ? 1 : 0) << f.Periode;
        EXPECT_EQ(Fake.Zeilen.front(), f.ErsteZeile) << f.Periode;
        EXPECT_EQ(Fake.ZeilenNr, f.PiepS ? 1 : 0) << f.Periode;
        EXPECT_EQ(Fake.Fokus, "Perioden") << f.Periode;
    }
    // A typed text names no period: Down picks the first one, Up beeps.
    Liste->SetTagesansicht(taWoche);
    Fake.Tippen("abc");
    const int Pieps = Fake.Pieps;
    Liste->PeriodeSchritt(false);
    EXPECT_EQ(Fake.Pieps - Pieps, 1);
    EXPECT_EQ(Fake.Text, "abc");
    Liste->PeriodeSchritt(true);
    EXPECT_EQ(Fake.Text, "W1/1900");
    EXPECT_EQ(Fake.Aktuell(), "W1  Mo 01.01.1900");
}

TEST_F(Tagesliste, SwitchingTheViewKeepsTheLine) {
    Waehle("    " + Kino);
    const struct {
        TTagesansicht Ansicht;
        const char* Periode;
        std::size_t Zeilen;
    } Faelle[] = {{taJahr, "2025", 365u + 1}, {taMonat, "1/2025", 31u + 1}, {taWoche, "W2/2025", 8u}};
    for (const auto& f : Faelle) {
        Liste->SetTagesansicht(f.Ansicht);
        EXPECT_EQ(Liste->Tagesansicht(), f.Ansicht);
        EXPECT_EQ(Fake.Text, f.Periode);
        EXPECT_EQ(Fake.Zeilen.size(), f.Zeilen);
        EXPECT_EQ(Fake.Aktuell().substr(4), Kino) << f.Periode;
    }
    // The view already shown: nothing is rebuilt.
    Fake.Zeilen.clear();
    Liste->SetTagesansicht(taWoche);
    EXPECT_TRUE(Fake.Zeilen.empty());
}

TEST_F(Tagesliste, PlaceFoundAgainAfterTheWeekPrefixIsSwitched) {
    const struct {
        const char* Zeile; // without the prefix
    } Faelle[] = {{"Mi 08.01.2025: Kino | (T1E+) | Von übermorgen bis übermorgen"},
                  {"Mi 08.01.2025: Arzt | (T1E+) | Von übermorgen bis übermorgen"},
                  {"Di 07.01.2025"},
                  {"So 12.01.2025"}};
    for (const auto& f : Faelle) {
        Liste->SetFilter(fiKwoche, true);
        Liste->SpringeZuDatum(TUhr::Heute(), "");
        Waehle((std::string(f.Zeile).starts_with("Mo") ? "W2  " : "    ") + std::string(f.Zeile));
        Liste->MenuAnsAusblenden(fiKwoche);
        EXPECT_FALSE(Liste->KwocheS());
        EXPECT_EQ(Fake.Aktuell(), f.Zeile);
        Liste->MenuAnsAusblenden(fiKwoche);
        EXPECT_TRUE(Liste->KwocheS());
        EXPECT_EQ(Fake.Aktuell(), "    " + std::string(f.Zeile));
    }
}

TEST_F(Tagesliste, JumpToALineAndToADate) {
    Liste->SpringeZuDatum(D(8, 1, 2025), Kino);
    EXPECT_EQ(Fake.Aktuell(), "    " + Kino);
    Liste->SpringeZuDatum(D(8, 1, 2025), "");
    EXPECT_EQ(Fake.Aktuell(), "    Mi 08.01.2025: Arzt | (T1E+) | Von übermorgen bis übermorgen");
    // Another period: the box moves along.
    Liste->SpringeZuDatum(D(31, 12, 2024), "");
    EXPECT_EQ(Fake.Text, "W1/2024-2025");
    EXPECT_EQ(Fake.Aktuell(), "    Di 31.12.2024");
    Liste->SpringeZuDatum(KalenderEnde, "");
    EXPECT_EQ(Fake.Text, "W52/2100");
    EXPECT_EQ(Fake.Aktuell(), "    Fr 31.12.2100");
    // Outside the calendar: a beep, nothing else.
    const auto Vorher = Fake.Zeilen;
    Liste->SpringeZuDatum(KalenderEnde + 1, "");
    EXPECT_EQ(Fake.Pieps, 1);
    EXPECT_EQ(Fake.Zeilen, Vorher);
}

TEST_F(Tagesliste, JumpToAnEntrysRecordSelectsTheLineThatShowsIt) {
    // A second cinema reads exactly like the first: only the line's handle tells them apart.
    Daten.Add(Eintrag("Kino", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    const TDatenClass& Zweites = Daten[4];
    Liste->SpringeZuDatum(TUhr::Heute(), "");
    Liste->SpringeZuEintrag(D(8, 1, 2025), TTagClass(0, &Zweites));
    EXPECT_EQ(Fake.Aktuell(), "    " + Kino);
    ASSERT_NE(Liste->AktTagClass(), nullptr);
    EXPECT_EQ(Liste->AktTagClass()->DatenClass, &Zweites);
    EXPECT_EQ(Fake.Fokus, "Zeilen");
    // No handle, or one whose record has no line on the date: the date's first line.
    for (const TTagClass& Ziel : {TTagClass(), TTagClass(0, &Daten[2]), TTagClass(1, &Zweites)}) {
        Liste->SpringeZuEintrag(D(8, 1, 2025), Ziel);
        EXPECT_EQ(Fake.Aktuell(), "    Mi 08.01.2025: Arzt | (T1E+) | Von übermorgen bis übermorgen");
    }
    // Into another period, which the box then names.
    Liste->SpringeZuEintrag(D(31, 12, 2024), TTagClass());
    EXPECT_EQ(Fake.Text, "W1/2024-2025");
    EXPECT_EQ(Fake.Aktuell(), "    Di 31.12.2024");
}

TEST_F(Tagesliste, FocusStaysWhileStarting) {
    Fake.Fokus = "anderswo";
    Liste->SetStarting(true);
    Liste->SpringeZuDatum(D(8, 1, 2025), Kino);
    EXPECT_EQ(Fake.Fokus, "anderswo");
    EXPECT_EQ(Fake.Aktuell(), "    " + Kino);
}

TEST_F(Tagesliste, TheNewPeriodIsSaidOnceWhenACommandLeavesThePeriod) {
    std::vector<std::string> Gesagt;
    Liste->Ansage = [&Gesagt](const std::string& AText) { Gesagt.push_back(AText); };
    const struct {
        const char* Was;
        std::function<void()> Befehl;
        std::vector<std::string> Erwartet;
    } Faelle[] = {
        {"jump within the week", [&] { Liste->SpringeZuDatum(D(8, 1, 2025), Kino); }, {}},
        {"month view", [&] { Liste->SetTagesansicht(taMonat); }, {"1/2025"}},
        {"month view again", [&] { Liste->SetTagesansicht(taMonat); }, {}},
        {"jump into February", [&] { Liste->SpringeZuDatum(D(3, 2, 2025), ""); }, {"2/2025"}},
        {"year view", [&] { Liste->SetTagesansicht(taJahr); }, {"2025"}},
        {"week view", [&] { Liste->SetTagesansicht(taWoche); }, {"W6/2025"}},
        // The period box says what the user picked there.
        {"picked in the box",
         [&] {
             Fake.PeriodeWaehlen(Fake.PeriodenNr + 1);
             Liste->PeriodeGewaehlt();
         },
         {}},
        {"while starting",
         [&] {
             Liste->SetStarting(true);
             Liste->SpringeZuDatum(D(1, 6, 2025), "");
             Liste->SetStarting(false);
         },
         {}},
    };
    for (const auto& f : Faelle) {
        Gesagt.clear();
        f.Befehl();
        EXPECT_EQ(Gesagt, f.Erwartet) << f.Was;
    }
}

TEST_F(Tagesliste, AToggleThatLeavesTheLineAsItReadsSaysItsNewState) {
    std::vector<std::string> Gesagt;
    Liste->Ansage = [&Gesagt](const std::string& AText) { Gesagt.push_back(AText); };
    const struct {
        std::string Zeile;
        int Filter;
        std::vector<std::string> Erwartet;
    } Faelle[] = {
        // Only the blanks before the day go: the line reads as before.
        {"    Di 07.01.2025", fiKwoche, {"Kalenderwochen aus"}},
        {"W2  Mo 06.01.2025: Heute", fiKwoche, {}},
        {"    Di 07.01.2025", fiFeiertag, {"Feiertage aus"}},
        {"    Di 07.01.2025", fiFrei, {"Freie Tage ein"}},
        // The entry's line goes, its day's line is selected.
        {"    " + Kino, fiBelegt, {}},
    };
    for (const auto& f : Faelle) {
        for (int i = 0; i < FilterAnzahl; ++i) {
            Liste->SetFilter(i, i != fiFrei);
        }
        Liste->SpringeZuDatum(TUhr::Heute(), "");
        Waehle(f.Zeile);
        Gesagt.clear();
        Liste->MenuAnsAusblenden(f.Filter);
        EXPECT_EQ(Gesagt, f.Erwartet) << f.Zeile << " " << f.Filter;
    }
}

TEST_F(Tagesliste, FilterCommands) {
    Waehle("    " + Kino);
    // Switching off the four day filters one by one: the last one enters free-days mode.
    Liste->MenuAnsAusblenden(fiBelegt);
    EXPECT_EQ(Fake.Aktuell(), "    Mi 08.01.2025");
    for (int i : {fiUnbelegt, fiFeiertag}) {
        Liste->MenuAnsAusblenden(i);
        EXPECT_FALSE(Liste->FreiS());
    }
    Liste->MenuAnsAusblenden(fiUrlaub);
    EXPECT_TRUE(Liste->FreiS());
    EXPECT_EQ(Fake.Zeilen, (std::vector<std::string>{"W2  Mo 06.01.2025: Heute", "    Di 07.01.2025",
                                                     "    Do 09.01.2025: \"Fest\"", "    Fr 10.01.2025",
                                                     "    Sa 11.01.2025", "    So 12.01.2025"}));
    // One on again leaves it.
    Liste->MenuAnsAusblenden(fiFeiertag);
    EXPECT_FALSE(Liste->FreiS());
    EXPECT_EQ(Fake.Zeilen,
              (std::vector<std::string>{"W2  Mo 06.01.2025: Heute", "    Do 09.01.2025: \"Fest\""}));
    // "Fr&eie Tage anzeigen" toggles the mode and the four day filters against it.
    Liste->MenuAnsAusblenden(fiFrei);
    EXPECT_TRUE(Liste->FreiS());
    EXPECT_FALSE(Liste->UnbelegtS() || Liste->BelegtS() || Liste->FeiertagS() || Liste->UrlaubS());
    Liste->MenuAnsAusblenden(fiFrei);
    EXPECT_FALSE(Liste->FreiS());
    EXPECT_TRUE(Liste->UnbelegtS() && Liste->BelegtS() && Liste->FeiertagS() && Liste->UrlaubS());
    EXPECT_EQ(Fake.Zeilen.size(), 8u);
}

TEST_F(Tagesliste, AllDaysAndTheEmptyCalendarKeepThePlace) {
    Liste->MenuAnsAusblenden(fiFrei);
    Waehle("    Fr 10.01.2025");
    Liste->MenuAnsAlleTageClick();
    EXPECT_TRUE(Liste->UnbelegtS() && Liste->BelegtS() && Liste->FeiertagS() && Liste->UrlaubS());
    EXPECT_FALSE(Liste->FreiS());
    EXPECT_EQ(Fake.Aktuell(), "    Fr 10.01.2025: Abgesagt | (T1E-) | Von 10.01.2025 bis 10.01.2025");
    Waehle("    " + Kino);
    Liste->MenuAnsLeereTageClick();
    EXPECT_TRUE(Liste->UnbelegtS());
    EXPECT_FALSE(Liste->BelegtS() || Liste->FeiertagS() || Liste->UrlaubS() || Liste->FreiS());
    EXPECT_EQ(Fake.Zeilen.size(), 7u);
    EXPECT_EQ(Fake.Aktuell(), "    Mi 08.01.2025");
}

TEST_F(Tagesliste, JumpRuleSwitchesEmptyDaysOn) {
    Liste->MenuAnsAusblenden(fiFrei);
    Liste->UnbelegteTageEinschalten();
    EXPECT_TRUE(Liste->UnbelegtS());
    EXPECT_FALSE(Liste->FreiS());
    EXPECT_FALSE(Liste->BelegtS());
    Liste->SpringeZuDatum(D(7, 1, 2025), "");
    EXPECT_EQ(Fake.Aktuell(), "    Di 07.01.2025");
    // With empty days on it changes nothing.
    Liste->MenuAnsAusblenden(fiBelegt);
    Liste->UnbelegteTageEinschalten();
    EXPECT_TRUE(Liste->BelegtS() && Liste->UnbelegtS());
    EXPECT_FALSE(Liste->FreiS());
}

TEST_F(Tagesliste, FreeDaysWithADeactivatedEntryAndAHoliday) {
    Daten.Add(Eintrag("Altes Fest", {{D(11, 1, 2025), D(11, 1, 2025)}}, ttFeiertag, avDeaktiv));
    Liste->SetFilter(fiKwoche, false);
    Liste->MenuAnsAusblenden(fiFrei);
    EXPECT_EQ(Fake.Zeilen,
              (std::vector<std::string>{"Mo 06.01.2025: Heute", "Di 07.01.2025", "Do 09.01.2025: \"Fest\"",
                                        "Fr 10.01.2025", "Sa 11.01.2025", "Sa 11.01.2025: \"Altes Fest\"",
                                        "So 12.01.2025"}));
}

TEST_F(Tagesliste, EveryPeriodOfTheWeekListReachable) {
    // The first and last week and a week over New Year, each with its seven day lines.
    for (const char* w : {"W1/1900", "W53/2020-2021", "W52/2100"}) {
        Fake.Tippen(w);
        Liste->PeriodeEingeben();
        EXPECT_EQ(Fake.Text, w);
        EXPECT_EQ(Fake.Zeilen.size(), std::string(w) == "W52/2100" ? 5u : 7u) << w;
    }
}

TEST_F(Tagesliste, PagingStopsAtTheEndsOfTheCalendar) {
    const struct {
        TTagesansicht Ansicht;
        TTag Start;
        bool VorS;
        const char* Periode; // afterwards; the start's period when refused
        bool PiepS;
    } Faelle[] = {
        {taWoche, D(6, 1, 2025), true, "W3/2025", false},
        {taWoche, D(6, 1, 2025), false, "W1/2024-2025", false},
        {taWoche, KalenderEnde, true, "W52/2100", true},
        {taWoche, KalenderAnfang, false, "W1/1900", true},
        {taWoche, KalenderAnfang, true, "W2/1900", false},
        {taMonat, KalenderEnde, true, "12/2100", true},
        {taMonat, D(15, 12, 2100), false, "11/2100", false},
        {taJahr, KalenderEnde, true, "2100", true},
        {taJahr, KalenderAnfang, false, "1900", true},
        {taJahr, KalenderAnfang, true, "1901", false},
    };
    for (const auto& f : Faelle) {
        Liste->SetTagesansicht(f.Ansicht);
        Liste->SpringeZuDatum(f.Start, "");
        Fake.ZeileWaehlen(1);
        Fake.Fokus = "Perioden";
        const auto Vorher = Fake.Zeilen;
        const int Pieps = Fake.Pieps;
        Liste->Blaettern(f.VorS);
        EXPECT_EQ(Fake.Text, f.Periode) << f.Periode;
        EXPECT_EQ(Fake.Pieps - Pieps, f.PiepS ? 1 : 0) << f.Periode;
        if (f.PiepS) {
            EXPECT_EQ(Fake.Zeilen, Vorher) << f.Periode;
            EXPECT_EQ(Fake.ZeilenNr, 1) << f.Periode;
            EXPECT_EQ(Fake.Fokus, "Perioden") << f.Periode;
        } else {
            EXPECT_NE(Fake.Zeilen, Vorher) << f.Periode;
            EXPECT_EQ(Fake.ZeilenNr, 0) << f.Periode;
            EXPECT_EQ(Fake.Fokus, "Zeilen") << f.Periode;
        }
    }
}

TEST_F(Tagesliste, PagingWithoutAChosenPeriodAndIntoAnEmptyOne) {
    // Typing leaves no period chosen: forward starts at the first one, back has nowhere to go.
    Fake.Tippen("abc");
    Liste->Blaettern(false);
    EXPECT_EQ(Fake.Pieps, 1);
    EXPECT_EQ(Fake.Text, "abc");
    Liste->Blaettern(true);
    EXPECT_EQ(Fake.Text, "W1/1900");
    EXPECT_EQ(Fake.Aktuell(), "W1  Mo 01.01.1900");
    // A period without lines becomes the place to return to.
    for (int i : {fiUnbelegt, fiBelegt, fiFeiertag, fiUrlaub}) {
        Liste->SetFilter(i, false);
    }
    Liste->Blaettern(true);
    EXPECT_EQ(Fake.Text, "W2/1900");
    EXPECT_TRUE(Fake.Zeilen.empty());
    EXPECT_EQ(Liste->AltStrDatum, "");
    EXPECT_EQ(Liste->AltPosDatum, D(8, 1, 1900));
}

TEST_F(Tagesliste, JumpsBetweenTheDayRecordsOfAnEntry) {
    // Records 0 to 2: a three-day occurrence 8.1.-10.1.2025; 3: 20.1.2025; 4: 2.2.2026, after the
    // entry's calendar limit and so without a line.
    TDatenClass Reise = Eintrag(
        "Reise",
        {{D(8, 1, 2025), D(10, 1, 2025)}, {D(20, 1, 2025), D(20, 1, 2025)}, {D(2, 2, 2026), D(2, 2, 2026)}});
    Reise.EndeDatum = D(31, 12, 2025);
    Daten.Add(Reise);
    const TDatenClass* e = &Daten[Daten.Count() - 1];
    const struct {
        std::int32_t Von;
        TDatensatzSprung Sprung;
        std::int32_t Nach; // -1: a beep and no change
    } Faelle[] = {
        {0, dsErster, -1},   {0, dsVoriger, -1},   {0, dsNaechster, 1}, {0, dsLetzter, 3}, {2, dsVoriger, 1},
        {2, dsNaechster, 3}, {3, dsNaechster, -1}, {3, dsLetzter, -1},  {3, dsErster, 0},  {3, dsVoriger, 2},
    };
    for (const auto& f : Faelle) {
        Liste->SpringeZuDatum(e->DatumListe[f.Von].Datum, ZeilenText(e, f.Von));
        ASSERT_NE(Liste->AktTagClass(), nullptr) << f.Von;
        ASSERT_EQ(Liste->AktTagClass()->DatumNr, f.Von);
        const auto Vorher = Fake.Zeilen;
        const int Pieps = Fake.Pieps;
        Liste->ZuDatensatzSpringen(f.Sprung);
        const std::int32_t Erwartet = f.Nach < 0 ? f.Von : f.Nach;
        ASSERT_NE(Liste->AktTagClass(), nullptr) << f.Von << " " << f.Sprung;
        EXPECT_EQ(Liste->AktTagClass()->DatenClass, e) << f.Von << " " << f.Sprung;
        EXPECT_EQ(Liste->AktTagClass()->DatumNr, Erwartet) << f.Von << " " << f.Sprung;
        EXPECT_EQ(DatumAusZeile(Fake.Aktuell()), e->DatumListe[Erwartet].Datum) << f.Von << " " << f.Sprung;
        EXPECT_EQ(Fake.Pieps - Pieps, f.Nach < 0 ? 1 : 0) << f.Von << " " << f.Sprung;
        if (f.Nach < 0) {
            EXPECT_EQ(Fake.Zeilen, Vorher);
        }
    }
    // On a day line the jumps do nothing.
    Liste->SpringeZuDatum(D(7, 1, 2025), "");
    const auto Vorher = Fake.Zeilen;
    for (TDatensatzSprung s : {dsErster, dsLetzter, dsVoriger, dsNaechster}) {
        Liste->ZuDatensatzSpringen(s);
    }
    EXPECT_EQ(Fake.Aktuell(), "    Di 07.01.2025");
    EXPECT_EQ(Fake.Zeilen, Vorher);
}

TEST_F(Tagesliste, TypingAYearInTheYearView) {
    Liste->SetTagesansicht(taJahr);
    Fake.Fokus = "Perioden";
    Fake.Tippen("2024");
    Liste->PeriodeEingeben();
    EXPECT_EQ(Fake.Text, "2024");
    EXPECT_EQ(Fake.Zeilen.size(), 366u);
    EXPECT_EQ(Fake.Aktuell(), "W1  Mo 01.01.2024");
    EXPECT_EQ(Fake.Fokus, "Zeilen");
    EXPECT_EQ(Fake.Pieps, 0);
    // A text that names no year: a beep, the text selected for retyping, the lines as they were.
    const auto Vorher = Fake.Zeilen;
    Fake.Tippen("abc");
    Liste->PeriodeEingeben();
    EXPECT_EQ(Fake.Pieps, 1);
    EXPECT_TRUE(Fake.TextMarkiert);
    EXPECT_EQ(Fake.Fokus, "Perioden");
    EXPECT_EQ(Fake.Zeilen, Vorher);
}
