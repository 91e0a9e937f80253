#include "model/TDatenClass.h"
#include "model/Fehler.h"
#include "model/Uhr.h"

#include <gtest/gtest.h>

#include <limits>

#include "ModellHilfen.h"

TEST(ResConst, DisplayTablesFollowTheOrdinals) {
    EXPECT_STREQ(IntervallKuerzel[atEinmalig], "1E");
    EXPECT_STREQ(IntervallKuerzel[at1Jahr], "1J");
    EXPECT_STREQ(IntervallNamen[at1Tag], "Täglich");
    EXPECT_STREQ(IntervallNamen[at3Monat], "Vierteljährlich");
    EXPECT_STREQ(IntervallNamen[at6Monat], "Halbjährlich");
    EXPECT_STREQ(EintragstypNamen[ttUrlaub], "Urlaubstag");
    EXPECT_STREQ(AktivZeichen[avDeaktiv], "-");
    EXPECT_EQ(static_cast<int>(at6Monat), 10);
}

// The start time is held to the millisecond in a shared word: every time of day a file, an
// iCalendar file or the time picker gives comes back as the very same TDateTime, and the flags
// beside it are not touched by setting it.
TEST(TDatumClass, StartTimeComesBackExactlyBesideTheFlags) {
    TDatumClass d;
    d.AktivTyp = avDeaktiv;
    d.GanzerTagS = true;
    d.LoeschenS = true;
    for (int s = 0; s < 86400; ++s) {
        const TDateTime Zeit = s / 86400.0;
        d.VonZeitSetzen(Zeit);
        ASSERT_EQ(d.VonZeit(), Zeit) << s << " s";
    }
    EXPECT_EQ(d.AktivTyp, avDeaktiv);
    EXPECT_TRUE(d.GanzerTagS);
    EXPECT_TRUE(d.LoeschenS);

    const struct {
        TDateTime Gesetzt;
        TDateTime Gelesen;
    } Faelle[] = {
        {(9 * 3600 + 29 * 60 + 59.6) / 86400, 34199600 / 86400000.0}, // to the millisecond
        {0.0000000001, 0.0},                                          // below half a millisecond
        {1 - 1e-12, 86399999 / 86400000.0},                           // stays in its day
        {D(6, 1, 2025) + 0.75, 0.75},                                 // the day dropped
        {-0.25, 0.75},                                                // before 30.12.1899
        {std::numeric_limits<double>::quiet_NaN(), 0.0},
        {std::numeric_limits<double>::infinity(), 0.0},
    };
    for (const auto& f : Faelle) {
        d.VonZeitSetzen(f.Gesetzt);
        EXPECT_EQ(d.VonZeit(), f.Gelesen) << f.Gesetzt;
    }
}

TEST(TDatenClass, NewEntryHasDefaultsAndTodayAsLimit) {
    TUhr::Festhalten(D(5, 1, 2025) + 0.75);
    TDatenClass e;
    EXPECT_EQ(e.EndeDatum, D(5, 1, 2025));
    EXPECT_EQ(e.AnzeigenTyp, atEinmalig);
    EXPECT_EQ(e.TagTyp, ttTermin);
    EXPECT_EQ(e.Count(), 0);
    e.Kurztext = "x";
    e.Id = 9;
    e.Add(Vorkommen(D(1, 1, 2025), D(1, 1, 2025))[0]);
    e.Clear();
    EXPECT_EQ(e.Kurztext, "");
    EXPECT_EQ(e.Id, 0);
    EXPECT_EQ(e.Count(), 0);
    TUhr::Stellen({});
}

TEST(TDatenClass, FindsTheRunOfARecordOverNewYear) {
    TDatenClass e = Eintrag({{D(1, 12, 2024), D(1, 12, 2024)}, {D(30, 12, 2024), D(1, 1, 2025)}});
    ASSERT_EQ(e.Count(), 4);
    const TDatumVonBisNr r = e.FindeDatumVonBisNr(TTagClass(2, &e));
    EXPECT_EQ(r.VonNr, 1);
    EXPECT_EQ(r.BisNr, 3);
}

TEST(TDatenClass, InsertDatumListeByPosition) {
    TDatenClass e = Eintrag({{D(1, 1, 2025), D(2, 1, 2025)}});
    const TDatumListe Neu = Vorkommen(D(5, 1, 2025), D(5, 1, 2025));
    e.InsertDatumListe(Neu, e.Count());
    EXPECT_EQ(e.DatumListe.back().Datum, D(5, 1, 2025));
    const TDatumListe Vorher = e.DatumListe;
    EXPECT_THROW(
        {
            try {
                e.InsertDatumListe(Neu, e.Count() + 1);
            } catch (const EBereichsFehler& f) {
                EXPECT_STREQ(f.what(), "Ungültige Einfügeposition.");
                throw;
            }
        },
        EBereichsFehler);
    EXPECT_THROW(e.InsertDatumListe(Neu, -1), EBereichsFehler);
    EXPECT_NO_THROW(e.InsertDatumListe(TDatumListe{}, -5));
    EXPECT_EQ(e.Count(), static_cast<std::int32_t>(Vorher.size()));
    EXPECT_TRUE(std::equal(Vorher.begin(), Vorher.end(), e.DatumListe.begin(), IdentDatumClassMitDatumClass));
}

TEST(TDatenClass, SortedInsertGoesAfterEqualDays) {
    TDatenClass e = Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}, {D(3, 1, 2025), D(3, 1, 2025)}});
    TDatumListe Gleich = Vorkommen(D(1, 1, 2025), D(1, 1, 2025));
    Gleich[0].GanzerTagS = true;
    e.InsertDatumListe(Gleich);
    ASSERT_EQ(e.Count(), 3);
    EXPECT_FALSE(e.DatumListe[0].GanzerTagS);
    EXPECT_TRUE(e.DatumListe[1].GanzerTagS);
    e.InsertDatumClass(Vorkommen(D(2, 1, 2025), D(2, 1, 2025))[0]);
    EXPECT_EQ(e.DatumListe[2].Datum, D(2, 1, 2025));
    e.InsertDatumClass(Vorkommen(D(1, 12, 2024), D(1, 12, 2024))[0]);
    EXPECT_EQ(e.DatumListe[0].Datum, D(1, 12, 2024));
}

TEST(TDatenClass, DeleteClampsItsBounds) {
    struct Fall {
        std::int32_t Von, Bis, Bleiben;
    } Faelle[] = {{-3, 2, 3}, {5, 2, 6}, {4, 100, 4}, {0, 5, 0}, {2, 2, 5}, {6, 6, 6}};
    for (const auto& f : Faelle) {
        TDatenClass e = Eintrag({{D(1, 1, 2025), D(6, 1, 2025)}});
        e.Delete(f.Von, f.Bis);
        EXPECT_EQ(e.Count(), f.Bleiben) << f.Von << ".." << f.Bis;
    }
}

TEST(TDatenClass, SortOrdersRunsStablyWithoutSplittingThem) {
    TDatenClass e = Eintrag({{D(10, 1, 2025), D(12, 1, 2025)}, {D(1, 1, 2025), D(2, 1, 2025)}});
    TDatumListe Zweiter = Vorkommen(D(10, 1, 2025), D(12, 1, 2025));
    for (auto& d : Zweiter) {
        d.GanzerTagS = true; // same first day, told apart by this flag
    }
    e.AddDatumListe(Zweiter);
    e.AddDatumListe(Vorkommen(D(5, 1, 2025), D(5, 1, 2025)));
    e.Sort();
    EXPECT_EQ(Anfaenge(e), (std::vector<TTag>{D(1, 1, 2025), D(5, 1, 2025), D(10, 1, 2025), D(10, 1, 2025)}));
    EXPECT_FALSE(e.DatumListe[3].GanzerTagS);
    EXPECT_TRUE(e.DatumListe[6].GanzerTagS);
    for (std::int32_t i = 0; i < e.Count(); ++i) {
        const TDatumVonBisNr r = e.FindeDatumVonBisNr(TTagClass(i, &e));
        EXPECT_EQ(e.DatumListe[r.VonNr].Datum, e.DatumListe[i].VonDatum);
        EXPECT_EQ(e.DatumListe[r.BisNr].Datum, e.DatumListe[i].BisDatum);
    }
}

TEST(TDatenClass, SortSurvivesDamagedRunLengths) {
    TDatenClass e = Eintrag({{D(3, 1, 2025), D(3, 1, 2025)}});
    TDatumClass Kaputt = e.DatumListe[0];
    Kaputt.Datum = Kaputt.VonDatum = D(1, 1, 2025);
    Kaputt.BisDatum = D(1, 1, 2024); // negative length
    e.Add(Kaputt);
    TDatumClass ZuLang = Kaputt;
    ZuLang.BisDatum = D(1, 1, 2030); // longer than the list
    e.Add(ZuLang);
    e.Sort();
    EXPECT_EQ(e.Count(), 3);
}

TEST(TDatenClass, IdentInfosModes) {
    TDatenClass a = Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}}, "Arzt", 4);
    struct Fall {
        const char* Was;
        void (*Aendern)(TDatenClass&);
        bool Gleich, GleichImport;
    } Faelle[] = {
        {"same", [](TDatenClass&) {}, true, true},
        {"counter", [](TDatenClass& e) { e.CounterS = true; }, false, true},
        {"limit", [](TDatenClass& e) { e.EndeDatum -= 1; }, false, true},
        {"id", [](TDatenClass& e) { e.Id = 5; }, false, true},
        {"sound", [](TDatenClass& e) { e.Sounddatei = "a.wav"; }, false, true},
        {"interval", [](TDatenClass& e) { e.AnzeigenTyp = at1Tag; }, false, false},
        {"short text case", [](TDatenClass& e) { e.Kurztext = "arzt"; }, false, false},
        {"long text", [](TDatenClass& e) { e.Langtext = "x"; }, false, false},
        {"type", [](TDatenClass& e) { e.TagTyp = ttUrlaub; }, false, false},
    };
    for (const auto& f : Faelle) {
        TDatenClass b = a;
        f.Aendern(b);
        EXPECT_EQ(a.IdentInfos(&b, false), f.Gleich) << f.Was;
        EXPECT_EQ(a.IdentInfos(&b, true), f.GleichImport) << f.Was;
    }
    EXPECT_FALSE(a.IdentInfos(nullptr, false));
    TDatenClass Geladen = a;
    Geladen.IdDatei = 2;
    EXPECT_FALSE(Geladen.IdentInfos(&a, true)); // the receiving entry must belong to the main file
}

TEST(TDatenClass, IdentComparesRecordsAndSingleOccurrences) {
    TDatenClass a = Eintrag({{D(1, 1, 2025), D(2, 1, 2025)}});
    TDatenClass b = a;
    EXPECT_TRUE(a.Ident(&b, false));
    b.DatumListe[1].VonZeitSetzen(0.5);
    EXPECT_FALSE(a.Ident(&b, false));
    EXPECT_FALSE(a.IdentDatumListe(nullptr));
    b.DatumListe.pop_back();
    EXPECT_FALSE(a.IdentDatumListe(&b));

    TDatenClass Einzeln = a;
    Einzeln.DatumListe = {a.DatumListe[1]};
    EXPECT_TRUE(Einzeln.Ident(TTagClass(1, &a), false));
    EXPECT_FALSE(Einzeln.Ident(TTagClass(0, &a), false));
    EXPECT_FALSE(Einzeln.Ident(TTagClass(), false));
    EXPECT_EQ(a.FindeIdentDatumClassNr(a.DatumListe[1]), 1);
    EXPECT_EQ(a.FindeIdentDatumClassNr(b.DatumListe[0]), 0);
    TDatumClass Fremd = a.DatumListe[0];
    Fremd.LoeschenS = true;
    EXPECT_EQ(a.FindeIdentDatumClassNr(Fremd), -1);
}

TEST(TDatenClass, ClearDoppelteRemovesOnlyIdenticalRuns) {
    TDatenClass Andere = Eintrag({{D(1, 1, 2025), D(3, 1, 2025)}, {D(10, 1, 2025), D(10, 1, 2025)}});
    TDatenClass e = Eintrag({{D(1, 1, 2025), D(3, 1, 2025)},
                             {D(5, 1, 2025), D(5, 1, 2025)},
                             {D(10, 1, 2025), D(10, 1, 2025)},
                             {D(20, 1, 2025), D(21, 1, 2025)}});
    e.DatumListe[4].AktivTyp = avDeaktiv; // the 10th: same days, other activation
    e.ClearDoppelte(Andere);
    EXPECT_EQ(Anfaenge(e), (std::vector<TTag>{D(5, 1, 2025), D(10, 1, 2025), D(20, 1, 2025)}));
    EXPECT_EQ(e.Count(), 4);
}

TEST(TDatenClass, ClearDoppelteNeedsTheSameLastDay) {
    TDatenClass Andere = Eintrag({{D(1, 1, 2025), D(2, 1, 2025)}});
    TDatenClass e = Eintrag({{D(1, 1, 2025), D(3, 1, 2025)}});
    e.ClearDoppelte(Andere);
    EXPECT_EQ(e.Count(), 3);
}

TEST(TDatenClass, DatumCrash) {
    const TDatenClass e = Eintrag({{D(1, 1, 2025), D(3, 1, 2025)}, {D(1, 2, 2025), D(1, 2, 2025)}});
    EXPECT_TRUE(e.DatumCrash(Vorkommen(D(3, 1, 2025), D(5, 1, 2025))[0]));
    EXPECT_FALSE(e.DatumCrash(Vorkommen(D(4, 1, 2025), D(31, 1, 2025))[0]));
    EXPECT_TRUE(e.DatumCrash(Eintrag({{D(31, 1, 2025), D(1, 2, 2025)}})));
    EXPECT_FALSE(e.DatumCrash(Eintrag({{D(4, 1, 2025), D(31, 1, 2025)}, {D(1, 1, 2030), D(1, 1, 2030)}})));
    EXPECT_FALSE(e.DatumCrash(TDatenClass()));
}

TEST(TDatenClass, LimitDecidesValidityAndMinMax) {
    TDatenClass e = Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}, {D(10, 1, 2025), D(12, 1, 2025)}});
    e.EndeDatum = D(10, 1, 2025);
    EXPECT_TRUE(e.EndeDatumValid()); // starts exactly on the limit and ends after it
    EXPECT_EQ(e.MinDatum(), D(1, 1, 2025));
    EXPECT_EQ(e.MaxDatum(), D(10, 1, 2025));
    e.EndeDatum = D(31, 12, 2024);
    EXPECT_FALSE(e.EndeDatumValid());
    EXPECT_EQ(e.MinDatum(), 0);
    EXPECT_EQ(e.MaxDatum(), 0);
}

TEST(TDatenClass, CopiesAreDeep) {
    TDatenClass a = Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}});
    TDatenClass b;
    b.Assign(a);
    b.DatumListe[0].AktivTyp = avDeaktiv;
    b.Kurztext = "anders";
    EXPECT_EQ(a.DatumListe[0].AktivTyp, avAktiv);
    EXPECT_EQ(a.Kurztext, "Arzt");
    b.Assign(a.DatumListe);
    EXPECT_EQ(b.Kurztext, "anders");
    EXPECT_EQ(b.DatumListe[0].AktivTyp, avAktiv);
    b.Assign(b);
    EXPECT_EQ(b.Count(), 1);
}
