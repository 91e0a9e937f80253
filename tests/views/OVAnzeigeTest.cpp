#include "views/OVAnzeige.h"
#include "model/Fehler.h"
#include "views/ViewsHilfen.h"

namespace {

struct TZeilenFall {
    const char* Name;
    TDatenClass Eintrag;
    std::int32_t Nr;
    const char* Normal;
    const char* Komprimiert;
};

TDatenClass Zahnarzt(bool ACounterS, std::int32_t ACounterStart = 1) {
    TDatenClass e;
    e.Kurztext = "Zahnarzt";
    e.EndeDatum = KalenderEnde;
    e.CounterS = ACounterS;
    e.CounterStart = ACounterStart;
    e.DatumListe = Vorkommen(D(6, 1, 2025), D(6, 1, 2025), avAktiv, 9.5 / 24, false);
    return e;
}

TDatenClass Reise() {
    TDatenClass e = Eintrag("Reise", {{D(7, 1, 2025), D(10, 1, 2025)}}, ttUrlaub, avDeaktiv);
    e.AnzeigenTyp = at1Woche;
    e.IdDatei = 2;
    return e;
}

TDatenClass Feiertag(std::int32_t AIdDatei) {
    TDatenClass e = Eintrag("Neujahr", {{D(1, 1, 2025), D(1, 1, 2025)}}, ttFeiertag);
    e.AnzeigenTyp = at1Jahr;
    e.IdDatei = AIdDatei;
    return e;
}

// Daily single-day occurrences from AVon, counter on.
TDatenClass Taeglich(TTag AVon, int AAnzahl, std::int32_t ACounterStart) {
    TDatenClass e;
    e.Kurztext = "Tablette";
    e.AnzeigenTyp = at1Tag;
    e.EndeDatum = KalenderEnde;
    e.CounterS = true;
    e.CounterStart = ACounterStart;
    for (int i = 0; i < AAnzahl; ++i) {
        e.AddDatumListe(Vorkommen(AVon + i, AVon + i));
    }
    return e;
}

} // namespace

class ZeilenTextTest : public MitUhr {};

TEST_F(ZeilenTextTest, LineFormsInBothDensities) {
    const TZeilenFall Faelle[] = {
        {"once at 09:30, today", Zahnarzt(false), 0,
         "Mo 06.01.2025 09:30h: Zahnarzt | (T1E+) | Von heute bis heute",
         "Mo 06.01.2025 9:30: Zahnarzt|T1E+|heute-heute"},
        {"counter from 1", Zahnarzt(true), 0,
         "Mo 06.01.2025 09:30h: Zahnarzt (1) | (T1E+) | Von heute bis heute",
         "Mo 06.01.2025 9:30: Zahnarzt (1)|T1E+|heute-heute"},
        {"vacation of file 2, deactivated, record of 8.1.", Reise(), 1,
         "Mi 08.01.2025: Reise | (2*U1W-) | Von morgen bis 10.01.2025",
         "Mi 08.01.2025: Reise|2*U1W-|morgen-10.01.2025"},
        {"occurrence from the day before yesterday to the day after tomorrow",
         Eintrag("Kur", {{D(4, 1, 2025), D(8, 1, 2025)}}), 2,
         "Mo 06.01.2025: Kur | (T1E+) | Von vorgestern bis übermorgen",
         "Mo 06.01.2025: Kur|T1E+|vorg.-überm."},
        {"yesterday to three days ahead", Eintrag("Kur", {{D(5, 1, 2025), D(9, 1, 2025)}}), 0,
         "So 05.01.2025: Kur | (T1E+) | Von gestern bis 09.01.2025",
         "So 05.01.2025: Kur|T1E+|gestern-09.01.2025"},
        {"three days ahead", Eintrag("Kur", {{D(9, 1, 2025), D(9, 1, 2025)}}), 0,
         "Do 09.01.2025: Kur | (T1E+) | Von 09.01.2025 bis 09.01.2025",
         "Do 09.01.2025: Kur|T1E+|09.01.2025-09.01.2025"},
        {"counter from 10, fifth record", Taeglich(D(1, 1, 2025), 6, 10), 4,
         "So 05.01.2025: Tablette (14) | (T1T+) | Von gestern bis gestern",
         "So 05.01.2025: Tablette (14)|T1T+|gestern-gestern"},
        {"holiday of file 1", Feiertag(1), 0, "Mi 01.01.2025: \"Neujahr\" | (1*)",
         "Mi 01.01.2025: \"Neujahr\"|1*"},
        {"holiday of the main file", Feiertag(0), 0, "Mi 01.01.2025: \"Neujahr\"",
         "Mi 01.01.2025: \"Neujahr\""},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(ZeilenText(&f.Eintrag, f.Nr, false), f.Normal) << f.Name;
        EXPECT_EQ(ZeilenText(&f.Eintrag, f.Nr, true), f.Komprimiert) << f.Name;
    }
}

TEST_F(ZeilenTextTest, EmptyDayAndTheCompressedFlag) {
    EXPECT_EQ(ZeilenText(nullptr, D(6, 1, 2025)), "Mo 06.01.2025");
    const TDatenClass e = Zahnarzt(false);
    EXPECT_EQ(ZeilenText(&e, 0), "Mo 06.01.2025 09:30h: Zahnarzt | (T1E+) | Von heute bis heute");
    SetAnzeigeKomprimiert(true);
    EXPECT_TRUE(AnzeigeKomprimiert());
    EXPECT_EQ(ZeilenText(&e, 0), "Mo 06.01.2025 9:30: Zahnarzt|T1E+|heute-heute");
    EXPECT_EQ(ZeilenText(nullptr, D(6, 1, 2025)), "Mo 06.01.2025");
}

TEST_F(ZeilenTextTest, DayWordsFollowTheClock) {
    const TDatenClass e = Zahnarzt(false);
    TUhr::Festhalten(D(5, 1, 2025) + 0.99);
    EXPECT_EQ(ZeilenText(&e, 0), "Mo 06.01.2025 09:30h: Zahnarzt | (T1E+) | Von morgen bis morgen");
    TUhr::Festhalten(D(8, 1, 2025));
    EXPECT_EQ(ZeilenText(&e, 0), "Mo 06.01.2025 09:30h: Zahnarzt | (T1E+) | Von vorgestern bis vorgestern");
}

TEST_F(ZeilenTextTest, TimesAndTextOfTheCollection) {
    TDaten Daten;
    TDatenClass Frueh = Zahnarzt(false);
    Frueh.DatumListe = Vorkommen(D(6, 1, 2025), D(6, 1, 2025), avAktiv, (7 * 60 + 5) / 1440.0, false);
    Daten.Add(Frueh);
    Daten.Add(Reise());
    EXPECT_EQ(Daten.Text(0, 0), "Mo 06.01.2025 07:05h: Zahnarzt | (T1E+) | Von heute bis heute");
    EXPECT_EQ(ZeilenText(&Frueh, 0, true), "Mo 06.01.2025 7:05: Zahnarzt|T1E+|heute-heute");
    EXPECT_EQ(Daten.Text(1, 3), "Fr 10.01.2025: Reise | (2*U1W-) | Von morgen bis 10.01.2025");
    EXPECT_THROW(Daten.Text(1, 4), EBereichsFehler);
    EXPECT_THROW(ZeilenText(&Frueh, -1), EBereichsFehler);
}

// A start time a fraction of a second before the next minute is shown in its own minute.
TEST_F(ZeilenTextTest, TimesDropTheirSeconds) {
    TDatenClass e = Zahnarzt(false);
    e.DatumListe[0].VonZeitSetzen((9 * 3600 + 29 * 60 + 59.6) / 86400);
    EXPECT_EQ(ZeilenText(&e, 0), "Mo 06.01.2025 09:29h: Zahnarzt | (T1E+) | Von heute bis heute");
    EXPECT_EQ(ZeilenText(&e, 0, true), "Mo 06.01.2025 9:29: Zahnarzt|T1E+|heute-heute");
}

TEST(Datumsfunktionen, WeekdayWeekAndDayOfYear) {
    const char* Tage[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(WochentagKurz(D(6, 1, 2025) + i), Tage[i]);
    }
    struct {
        TTag Datum;
        int Woche;
        int TagImJahr;
    } Faelle[] = {
        {D(1, 1, 2021), 53, 1},     {D(31, 12, 2024), 1, 366}, {D(30, 12, 2024), 1, 365},
        {D(29, 12, 2024), 52, 364}, {D(1, 1, 1900), 1, 1},     {D(31, 12, 2100), 52, 365},
        {D(3, 1, 2021), 53, 3},     {D(4, 1, 2021), 1, 4},     {D(28, 12, 2026), 53, 362},
        {D(1, 3, 2024), 9, 61},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(Kalenderwoche(f.Datum), f.Woche) << DatumText(f.Datum);
        EXPECT_EQ(TagDesJahres(f.Datum), f.TagImJahr) << DatumText(f.Datum);
    }
}

TEST_F(ZeilenTextTest, DateReadBackFromEveryKindOfLine) {
    const TDatenClass e = Zahnarzt(true);
    const std::string Zeilen[] = {
        "Mo 06.01.2025",
        "Mo 06.01.2025: Heute",
        ZeilenText(&e, 0, false),
        ZeilenText(&e, 0, true),
        "W2  Mo 06.01.2025",
        "W2  Mo 06.01.2025: Heute",
        "W2  " + ZeilenText(&e, 0, false),
        "    " + ZeilenText(&e, 0, true),
        "W12 Mo 06.01.2025",
        "  Mo   06.01.2025",
    };
    for (const auto& z : Zeilen) {
        EXPECT_EQ(DatumAusZeile(z), D(6, 1, 2025)) << z;
    }
}

TEST(Datumsfunktionen, DateReadBackFailsWithAConversionError) {
    for (const char* z : {"", "Mo", "Mo 06.01.20", "Mo 32.01.2025", "W2  Mo", "Mo 06-01-2025",
                          "Mo abcdefghijk", "Mo 29.02.2025"}) {
        EXPECT_THROW(DatumAusZeile(z), EKonvertierungsFehler) << z;
    }
    try {
        DatumAusZeile("Mo 32.01.2025");
        FAIL();
    } catch (const EKonvertierungsFehler& e) {
        EXPECT_STREQ(e.what(), "'32.01.2025' ist kein gültiges Datum.");
    }
}

TEST(Datumsfunktionen, TailFromTheSecondWord) {
    EXPECT_EQ(AbZweitemWort("Mo 06.01.2025: Zahnarzt | (T1E+)"), "06.01.2025: Zahnarzt | (T1E+)");
    EXPECT_EQ(AbZweitemWort("W2  Mo 06.01.2025"), "Mo 06.01.2025");
    EXPECT_EQ(AbZweitemWort("  W2   Mo"), "Mo");
    EXPECT_EQ(AbZweitemWort("06.01.2025"), "");
    EXPECT_EQ(AbZweitemWort("06.01.2025  "), "");
    EXPECT_EQ(AbZweitemWort(""), "");
}
