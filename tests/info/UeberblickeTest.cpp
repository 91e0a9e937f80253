#include "info/TInfosTexte.h"

#include <gtest/gtest.h>

#include "info/InfoTestHilfen.h"
#include "platform/linux/PosixZeitzone.h"
#include "views/TZeile.h"

namespace {

TTag D(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

struct TMondlisten {
    std::vector<std::string> Neumond;
    std::vector<std::string> Vollmond;
};

// Splits the overview into its two lists, checking its frame on the way.
TMondlisten Zerlege(const std::string& AText) {
    TMondlisten l;
    EXPECT_EQ(AText.rfind("Neumond:\r\n", 0), 0u) << AText;
    const std::size_t Mitte = AText.find("\r\nVollmond:\r\n");
    EXPECT_NE(Mitte, std::string::npos) << AText;
    std::vector<std::string>* Liste = &l.Neumond;
    std::size_t Pos = 10;
    while (Pos < AText.size()) {
        if (Pos == Mitte) {
            Liste = &l.Vollmond;
            Pos += 13;
            continue;
        }
        const std::size_t Ende = AText.find("\r\n", Pos);
        EXPECT_NE(Ende, std::string::npos) << "every line ends in CR LF";
        if (Ende == std::string::npos)
            break;
        Liste->push_back(AText.substr(Pos, Ende - Pos));
        Pos = Ende + 2;
    }
    return l;
}

class Ueberblicke : public ::testing::Test {
protected:
    TPosixZeitzone Zeitzone;
    TZaehlKlang Klang;
    TInfosTexte Infos{Zeitzone, Klang, "/nirgends"};
};

// The instants are the published ones to the minute; the method's dynamical time puts most of
// them a minute later. New York runs five hours behind Universal Time in these months, Vienna
// one hour ahead (the 30 December 2024 new moon is 23:28 there, still in 2024).
TEST_F(Ueberblicke, MoonPhasesOfAYearInLocalTime) {
    struct Fall {
        const char* Zone;
        int Jahr;
        std::size_t Neumonde, Vollmonde;
        const char *ErsterNeumond, *LetzterNeumond, *ErsterVollmond, *LetzterVollmond;
    };
    const Fall Faelle[] = {
        {"Europe/Vienna", 2024, 13, 12, "11.01.2024 12:58 Uhr", "30.12.2024 23:28 Uhr",
         "25.01.2024 18:55 Uhr", "15.12.2024 10:02 Uhr"},
        {"Europe/Vienna", 2025, 12, 12, "29.01.2025 13:37 Uhr", "20.12.2025 02:44 Uhr",
         "13.01.2025 23:28 Uhr", "05.12.2025 00:15 Uhr"},
        {"Europe/Vienna", 2026, 12, 13, "18.01.2026 20:53 Uhr", "09.12.2026 01:53 Uhr",
         "03.01.2026 11:04 Uhr", "24.12.2026 02:29 Uhr"},
        {"America/New_York", 2024, 13, 12, "11.01.2024 06:58 Uhr", "30.12.2024 17:28 Uhr",
         "25.01.2024 12:55 Uhr", "15.12.2024 04:02 Uhr"},
        {"America/New_York", 2025, 12, 12, "29.01.2025 07:37 Uhr", "19.12.2025 20:44 Uhr",
         "13.01.2025 17:28 Uhr", "04.12.2025 18:15 Uhr"},
        {"America/New_York", 2026, 12, 13, "18.01.2026 14:53 Uhr", "08.12.2026 19:53 Uhr",
         "03.01.2026 05:04 Uhr", "23.12.2026 20:29 Uhr"},
    };
    for (const Fall& f : Faelle) {
        const TZeitzoneGesetzt Zone(f.Zone);
        const TMondlisten l = Zerlege(Infos.MondphasenInText(f.Jahr));
        SCOPED_TRACE(std::string(f.Zone) + " " + std::to_string(f.Jahr));
        ASSERT_EQ(l.Neumond.size(), f.Neumonde);
        ASSERT_EQ(l.Vollmond.size(), f.Vollmonde);
        EXPECT_EQ(l.Neumond.front(), f.ErsterNeumond);
        EXPECT_EQ(l.Neumond.back(), f.LetzterNeumond);
        EXPECT_EQ(l.Vollmond.front(), f.ErsterVollmond);
        EXPECT_EQ(l.Vollmond.back(), f.LetzterVollmond);
    }
}

// The full moon of 31.12.2009 19:13 Universal Time is on 1 January 2010 in Tokyo: it belongs to
// the local year 2010 there, and to 2009 west of Tokyo.
TEST_F(Ueberblicke, PhaseNearTheTurnOfTheYearIsListedOnceInItsLocalYear) {
    {
        const TZeitzoneGesetzt Zone("Asia/Tokyo");
        EXPECT_EQ(Zerlege(Infos.MondphasenInText(2010)).Vollmond.front(), "01.01.2010 04:13 Uhr");
        EXPECT_EQ(Zerlege(Infos.MondphasenInText(2009)).Vollmond.back(), "02.12.2009 16:31 Uhr");
    }
    {
        const TZeitzoneGesetzt Zone("America/New_York");
        EXPECT_EQ(Zerlege(Infos.MondphasenInText(2009)).Vollmond.back(), "31.12.2009 14:13 Uhr");
        EXPECT_EQ(Zerlege(Infos.MondphasenInText(2010)).Vollmond.front(), "30.01.2010 01:18 Uhr");
    }
}

// The new moon of 13.7.1999 at 02:24:59.98 Universal Time is listed in minute 24.
TEST_F(Ueberblicke, PhaseTimesDropTheirSeconds) {
    const TZeitzoneGesetzt Zone("UTC");
    const std::vector<std::string> Neumonde = Zerlege(Infos.MondphasenInText(1999)).Neumond;
    ASSERT_EQ(Neumonde.size(), 12u);
    EXPECT_EQ(Neumonde[6], "13.07.1999 02:24 Uhr");
}

TEST_F(Ueberblicke, HolidaysOfAYearSortedByDate) {
    TDaten Daten;
    TDatenClass Neujahr = Eintrag("Neujahr", D(1, 1, 2025), D(1, 1, 2025));
    Neujahr.Add(Eintrag("", D(1, 1, 2026), D(1, 1, 2026)).DatumListe[0]);
    Neujahr.Add(Eintrag("", D(1, 1, 2027), D(1, 1, 2027)).DatumListe[0]);
    TDatenClass Christtag = Eintrag("Christtag", D(25, 12, 2026), D(25, 12, 2026));
    Christtag.Langtext = "Geschäfte zu";
    TDatenClass Dreikoenig = Eintrag("Heilige Drei Könige", D(6, 1, 2026), D(6, 1, 2026));
    TDatenClass Termin = Eintrag("Kein Feiertag", D(2, 1, 2026), D(2, 1, 2026));
    for (TDatenClass* E : {&Neujahr, &Christtag, &Dreikoenig})
        E->TagTyp = ttFeiertag;
    for (const TDatenClass* E : {&Christtag, &Neujahr, &Termin, &Dreikoenig})
        Daten.Add(*E);

    EXPECT_EQ(TInfosTexte::FeiertageInText(Daten, 2026), "Do., 01.01.2026: Neujahr []\r\n"
                                                         "Di., 06.01.2026: Heilige Drei Könige []\r\n"
                                                         "Fr., 25.12.2026: Christtag [Geschäfte zu]");
    EXPECT_EQ(TInfosTexte::FeiertageInText(Daten, 2024), "");
}

TEST_F(Ueberblicke, ShownDaysWithTheirLongTexts) {
    TDatenClass MitLangtext = Eintrag("Chor", D(6, 1, 2026), D(6, 1, 2026));
    MitLangtext.Langtext = "Noten\r\nmitbringen";
    TDatenClass OhneLangtext = Eintrag("Post", D(6, 1, 2026), D(6, 1, 2026));
    TZeilenliste Lb;
    Lb.push_back(TZeile{"Mo 05.01.2026", nullptr});
    Lb.push_back(TZeile{"Di 06.01.2026: Chor", std::make_unique<TTagClass>(0, &MitLangtext)});
    Lb.push_back(TZeile{"Di 06.01.2026: Post", std::make_unique<TTagClass>(0, &OhneLangtext)});
    EXPECT_EQ(TInfosTexte::KalenderInText(Lb), "Mo 05.01.2026\r\n"
                                               "Di 06.01.2026: Chor | [Noten\r\nmitbringen]\r\n"
                                               "Di 06.01.2026: Post");
    EXPECT_EQ(TInfosTexte::KalenderInText({}), "");
}

} // namespace
