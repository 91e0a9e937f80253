#include "model/TDaten.h"

#include <gtest/gtest.h>

#include "ModellHilfen.h"

TEST(Wiederholung, MonthStepsAreComputedFromTheTemplate) {
    struct Fall {
        const char* Was;
        TAnzeigenTyp Typ;
        TTag Start;
        std::vector<TTag> Erste;
    } Faelle[] = {
        {"monthly from 31.1.",
         at1Monat,
         D(31, 1, 2025),
         {D(31, 1, 2025), D(28, 2, 2025), D(31, 3, 2025), D(30, 4, 2025), D(31, 5, 2025)}},
        {"yearly from 29.2.",
         at1Jahr,
         D(29, 2, 2024),
         {D(29, 2, 2024), D(28, 2, 2025), D(28, 2, 2026), D(28, 2, 2027), D(29, 2, 2028)}},
        {"quarterly from 30.11.",
         at3Monat,
         D(30, 11, 2024),
         {D(30, 11, 2024), D(28, 2, 2025), D(30, 5, 2025), D(30, 8, 2025), D(30, 11, 2025)}},
        {"half-yearly from 31.8.",
         at6Monat,
         D(31, 8, 2025),
         {D(31, 8, 2025), D(28, 2, 2026), D(31, 8, 2026)}},
        {"2-monthly", at2Monat, D(31, 12, 2024), {D(31, 12, 2024), D(28, 2, 2025), D(30, 4, 2025)}},
        {"4-monthly", at4Monat, D(31, 10, 2024), {D(31, 10, 2024), D(28, 2, 2025), D(30, 6, 2025)}},
        {"weekly", at1Woche, D(1, 1, 2025), {D(1, 1, 2025), D(8, 1, 2025), D(15, 1, 2025)}},
        {"2-weekly", at2Woche, D(1, 1, 2025), {D(1, 1, 2025), D(15, 1, 2025)}},
        {"3-weekly", at3Woche, D(1, 1, 2025), {D(1, 1, 2025), D(22, 1, 2025)}},
        {"4-weekly", at4Woche, D(1, 1, 2025), {D(1, 1, 2025), D(29, 1, 2025)}},
        {"daily", at1Tag, D(1, 1, 2025), {D(1, 1, 2025), D(2, 1, 2025), D(3, 1, 2025)}},
    };
    for (const auto& f : Faelle) {
        const TDatenClass e = Erzeugt(f.Typ, f.Start, f.Start);
        ASSERT_GE(e.Count(), static_cast<std::int32_t>(f.Erste.size())) << f.Was;
        for (size_t i = 0; i < f.Erste.size(); ++i) {
            EXPECT_EQ(e.DatumListe[i].Datum, f.Erste[i]) << f.Was << " #" << i;
            EXPECT_EQ(e.DatumListe[i].VonDatum, f.Erste[i]) << f.Was << " #" << i;
        }
        EXPECT_LE(e.DatumListe.back().Datum, KalenderEnde) << f.Was;
        EXPECT_EQ(e.AnzeigenTyp, f.Typ);
    }
}

TEST(Wiederholung, RecordCountsAtTheEndOfTheRange) {
    struct Fall {
        const char* Was;
        TAnzeigenTyp Typ;
        TTag Von, Bis;
        std::int32_t Anzahl;
        TTag Letzter;
    } Faelle[] = {
        {"once on the last day", atEinmalig, KalenderEnde, KalenderEnde, 1, KalenderEnde},
        {"daily from the last day", at1Tag, KalenderEnde, KalenderEnde, 1, KalenderEnde},
        {"daily through 2100", at1Tag, D(1, 1, 2100), D(1, 1, 2100), 365, KalenderEnde},
        {"weekly three days from 30.12.2100", at1Woche, D(30, 12, 2100), D(1, 1, 2101), 3, D(1, 1, 2101)},
        {"daily 1900 to 2100", at1Tag, KalenderAnfang, KalenderAnfang, KalenderEnde - KalenderAnfang + 1,
         KalenderEnde},
        {"yearly ending in 2101", at1Jahr, D(31, 12, 2025), D(2, 1, 2026), 76 * 3, D(2, 1, 2101)},
    };
    for (const auto& f : Faelle) {
        const TDatenClass e = Erzeugt(f.Typ, f.Von, f.Bis);
        EXPECT_EQ(e.Count(), f.Anzahl) << f.Was;
        EXPECT_EQ(e.DatumListe.back().Datum, f.Letzter) << f.Was;
    }
}

TEST(Wiederholung, MultiDayOccurrencesWithMonthSteps) {
    // 30.1.-1.2. monthly: the first and last day move independently.
    const TDatenClass e = Erzeugt(at1Monat, D(30, 1, 2025), D(1, 2, 2025));
    ASSERT_GE(e.Count(), 8);
    EXPECT_EQ(Anfaenge(e)[1], D(28, 2, 2025));
    EXPECT_EQ(e.DatumListe[3].BisDatum, D(1, 3, 2025));
    EXPECT_EQ(e.DatumListe[4].Datum, D(1, 3, 2025));
    EXPECT_EQ(e.DatumListe[5].Datum, D(30, 3, 2025));
    EXPECT_EQ(e.DatumListe[5].BisDatum, D(1, 4, 2025));
    EXPECT_EQ(e.DatumListe[7].Datum, D(1, 4, 2025));
    // Day steps never change the length.
    const TDatenClass w = Erzeugt(at2Woche, D(30, 12, 2024), D(2, 1, 2025));
    w.FuerJedenLauf([&](std::int32_t, std::int32_t ALaenge) { EXPECT_EQ(ALaenge, 4); });
}

TEST(Wiederholung, CopiesTheTemplateFieldsAndIgnoresTheLimit) {
    TDatenClass Vorlage = Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}}, "Sport", 3);
    Vorlage.AnzeigenTyp = at1Woche;
    Vorlage.EndeDatum = D(31, 12, 2025);
    Vorlage.DatumListe[0].VonZeitSetzen(0.75);
    Vorlage.DatumListe[0].LoeschenS = true;
    Vorlage.DatumListe[0].AktivTyp = avDeaktiv;
    Vorlage.AddDatumListe(Vorkommen(D(3, 1, 2025), D(3, 1, 2025))); // further records are ignored
    TDaten Daten;
    Daten.Add(TTagClass(1, &Vorlage));
    ASSERT_EQ(Daten.Count(), 1);
    const TDatenClass& e = Daten[0];
    EXPECT_EQ(e.DatumListe.back().Datum, D(29, 12, 2100));
    EXPECT_EQ(e.Kurztext, "Sport");
    EXPECT_EQ(e.Id, 3);
    EXPECT_EQ(e.EndeDatum, D(31, 12, 2025));
    for (const TDatumClass& d : e.DatumListe) {
        ASSERT_EQ(d.VonZeit(), 0.75);
        ASSERT_TRUE(d.LoeschenS);
        ASSERT_EQ(d.AktivTyp, avDeaktiv);
    }
    EXPECT_EQ(Vorlage.Count(), 2); // the template itself is untouched

    TDatenClass Leer;
    Daten.Add(TTagClass(0, &Leer));
    Daten.Add(TTagClass());
    EXPECT_EQ(Daten.Count(), 1);
}
