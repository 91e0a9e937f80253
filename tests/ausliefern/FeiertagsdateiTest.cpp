// The holiday file as the build writes it, and the rule table it is made from.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "files/OVDatei.h"
#include "files/VkFiles.h"
#include "model/TDaten.h"
#include "platform/SystemDateisystem.h"
#include "tools/Feiertagsregeln.h"

namespace {

constexpr int Jahre = 2100 - 1900 + 1;

TTag D(const char* AText) {
    TTag Tag = 0;
    EXPECT_TRUE(DatumLesen(AText, Tag)) << AText;
    return Tag;
}

const TDatenClass* Eintrag(const TDaten& ADaten, const std::string& AName) {
    for (const TDatenClass& e : ADaten.Eintraege()) {
        if (e.Kurztext == AName) {
            return &e;
        }
    }
    return nullptr;
}

// The days of AEintrag that lie in AJahr.
std::vector<TTag> TageIm(const TDatenClass& AEintrag, int AJahr) {
    std::vector<TTag> Tage;
    for (const TDatumClass& r : AEintrag.DatumListe) {
        if (DecodeDate(r.Datum).Jahr == AJahr) {
            Tage.push_back(r.Datum);
        }
    }
    return Tage;
}

class Feiertagsdatei : public ::testing::Test {
protected:
    void SetUp() override { KalenderdateiLesen(ORVANTO_FEIERTAGSDATEI, Daten, 1, SystemDateisystem()); }
    TDaten Daten;
};

struct TOsterjahr {
    int Jahr;
    const char* Ostersonntag;
    const char* Ostermontag;
    const char* ChristiHimmelfahrt;
    const char* Pfingstmontag;
    const char* Fronleichnam;
};

// Published Gregorian Easter dates; 2038 has the latest Easter possible, 2024 and 2100 early ones.
constexpr TOsterjahr Osterjahre[] = {
    {1900, "15.04.1900", "16.04.1900", "24.05.1900", "04.06.1900", "14.06.1900"},
    {1954, "18.04.1954", "19.04.1954", "27.05.1954", "07.06.1954", "17.06.1954"},
    {2000, "23.04.2000", "24.04.2000", "01.06.2000", "12.06.2000", "22.06.2000"},
    {2024, "31.03.2024", "01.04.2024", "09.05.2024", "20.05.2024", "30.05.2024"},
    {2025, "20.04.2025", "21.04.2025", "29.05.2025", "09.06.2025", "19.06.2025"},
    {2038, "25.04.2038", "26.04.2038", "03.06.2038", "14.06.2038", "24.06.2038"},
    {2100, "28.03.2100", "29.03.2100", "06.05.2100", "17.05.2100", "27.05.2100"},
};

TEST_F(Feiertagsdatei, EasterAndTheMovableHolidaysFallOnTheirDays) {
    for (const TOsterjahr& j : Osterjahre) {
        SCOPED_TRACE(j.Jahr);
        EXPECT_EQ(DatumText(Ostersonntag(j.Jahr)), j.Ostersonntag);
        const std::pair<const char*, const char*> Bewegliche[] = {
            {"Ostermontag", j.Ostermontag},
            {"Christi Himmelfahrt", j.ChristiHimmelfahrt},
            {"Pfingstmontag", j.Pfingstmontag},
            {"Fronleichnam", j.Fronleichnam},
        };
        for (const auto& [Name, Datum] : Bewegliche) {
            const TDatenClass* e = Eintrag(Daten, Name);
            ASSERT_NE(e, nullptr) << Name;
            EXPECT_EQ(TageIm(*e, j.Jahr), std::vector<TTag>{D(Datum)}) << Name;
        }
    }
}

TEST_F(Feiertagsdatei, HoldsEveryHolidayOnceAYearAsAWholeDayHoliday) {
    ASSERT_EQ(Daten.Count(), 13);
    for (const TDatenClass& e : Daten.Eintraege()) {
        SCOPED_TRACE(e.Kurztext);
        EXPECT_EQ(e.TagTyp, ttFeiertag);
        EXPECT_EQ(e.EndeDatum, KalenderEnde);
        ASSERT_EQ(e.Count(), Jahre);
        for (int i = 0; i < Jahre; ++i) {
            const TDatumClass& r = e.DatumListe[i];
            EXPECT_EQ(DecodeDate(r.Datum).Jahr, 1900 + i);
            EXPECT_TRUE(r.GanzerTagS && r.VonDatum == r.Datum && r.BisDatum == r.Datum);
            EXPECT_EQ(r.AktivTyp, avAktiv);
        }
    }
    // A fixed day repeats yearly; an Easter-bound one has no fixed step, so its days stand alone.
    EXPECT_EQ(Eintrag(Daten, "Nationalfeiertag")->AnzeigenTyp, at1Jahr);
    EXPECT_EQ(DatumText(Eintrag(Daten, "Nationalfeiertag")->DatumListe.back().Datum), "26.10.2100");
    EXPECT_EQ(Eintrag(Daten, "Fronleichnam")->AnzeigenTyp, atEinmalig);
}

TEST_F(Feiertagsdatei, IsWhatTheRuleTableMakes) {
    TDaten Neu;
    FeiertageErstellen(FeiertagsregelnLesen(LoadUtf8OrAnsi(ORVANTO_FEIERTAGSREGELN)), Neu);
    for (std::int32_t i = 0; i < Daten.Count(); ++i) {
        // Read as an added file; compared as the main file it was written from.
        Daten.Aendern(Daten[i], [](TDatenClass& e) { e.IdDatei = 0; });
    }
    EXPECT_TRUE(Neu.Ident(&Daten, false));
    EXPECT_EQ(KalenderdateiKodieren(Neu), KalenderdateiKodieren(Daten));
}

TEST(Feiertagsregeln, ReadsRulesAndSkipsCommentsAndBlankLines) {
    const auto Regeln = FeiertagsregelnLesen("# Kommentar\r\n\r\n  Ostern-2 ; Karfreitag \r\n"
                                             "Ostern;Ostersonntag\n1.5.;Staatsfeiertag");
    ASSERT_EQ(Regeln.size(), 3u);
    EXPECT_EQ(Regeln[0].Name, "Karfreitag");
    EXPECT_EQ(DatumText(FeiertagImJahr(Regeln[0], 2025)), "18.04.2025");
    EXPECT_EQ(DatumText(FeiertagImJahr(Regeln[1], 2025)), "20.04.2025");
    EXPECT_EQ(DatumText(FeiertagImJahr(Regeln[2], 2025)), "01.05.2025");
}

TEST(Feiertagsregeln, FaultyLinesAreNamedWithTheirNumber) {
    const char* const Faelle[] = {
        "Neujahr",           // no separator
        "01.01.;",           // no name
        "01.01;Neujahr",     // no closing full stop
        "31.02.;Nie",        // no such day
        "29.02.;Schalttag",  // not a day of every year
        "00.13.;Nirgends",   // no such month
        "Ostern+;Halb",      // distance missing
        "Ostern*3;Falsch",   // unknown operator
        "Ostern+999;Fern",   // farther than any holiday
        "Pfingsten+1;Fremd", // unknown rule word
    };
    for (const char* Zeile : Faelle) {
        try {
            FeiertagsregelnLesen(std::string("# Kopf\n") + Zeile);
            ADD_FAILURE() << Zeile << " was accepted";
        } catch (const std::runtime_error& Fehler) {
            EXPECT_TRUE(std::string(Fehler.what()).starts_with("Zeile 2: ")) << Fehler.what();
        }
    }
}

} // namespace
