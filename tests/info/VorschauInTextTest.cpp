#include "info/TInfosTexte.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "info/InfoTestHilfen.h"
#include "model/Uhr.h"
#include "platform/linux/PosixZeitzone.h"

namespace {

TTag D(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

const TTag Heute = D(5, 1, 2026); // a Monday

std::vector<std::string> Texte(const TVorschauListe& AListe) {
    std::vector<std::string> Ergebnis;
    for (const TVorschauZeile& z : AListe)
        Ergebnis.push_back(z.Text);
    return Ergebnis;
}

class VorschauInText : public ::testing::Test {
protected:
    TTestOrdner Programm{"orvanto-vorschau"};
    TPosixZeitzone Zeitzone;
    TZaehlKlang Klang;
    TInfosTexte Infos{Zeitzone, Klang, Programm.Pfad()};
    TDaten Daten;

    void SetUp() override { TUhr::Festhalten(Heute + 14.5 / 24); }
    void TearDown() override { TUhr::Stellen({}); }
};

TEST_F(VorschauInText, TwoDaysWithOneTimedEvent) {
    Daten.Add(Eintrag("Chorprobe", Heute + 1, Heute + 1, 19.5 / 24));
    const TVorschauListe Liste = Infos.VorschauInText(Daten, 2);
    EXPECT_EQ(Texte(Liste), (std::vector<std::string>{
                                "Heute ist Montag, der 5. Jänner 2026, 14:30 Uhr",
                                "",
                                "Morgen (Dienstag) steht 1 Ereignis an:",
                                "1.: \"Chorprobe\" | 19:30 Uhr",
                                "--------------------",
                                "",
                                "Übermorgen (Mittwoch) stehen 0 Ereignisse an:",
                                "--------------------",
                            }));
    for (std::size_t i = 0; i < Liste.size(); ++i)
        EXPECT_EQ(Liste[i].DatenClass != nullptr, i == 3) << i;
    const TDatenClass& Kopie = *Liste[3].DatenClass;
    EXPECT_EQ(Kopie.Kurztext, "Chorprobe");
    ASSERT_EQ(Kopie.Count(), 1);
    EXPECT_EQ(Kopie.DatumListe[0].Datum, Heute + 1);
    EXPECT_FALSE(Infos.NurHeuteS);
    EXPECT_TRUE(Klang.Gespielt.empty());
}

// The clock and an event time a fraction of a second before the next minute are shown in their
// own minute.
TEST_F(VorschauInText, TimesDropTheirSeconds) {
    TUhr::Festhalten(Heute + (14 * 3600 + 29 * 60 + 59.7) / 86400);
    Daten.Add(Eintrag("Chorprobe", Heute + 1, Heute + 1, (19 * 3600 + 29 * 60 + 59.6) / 86400));
    const std::vector<std::string> Zeilen = Texte(Infos.VorschauInText(Daten, 1));
    ASSERT_GE(Zeilen.size(), 4u);
    EXPECT_EQ(Zeilen[0], "Heute ist Montag, der 5. Jänner 2026, 14:29 Uhr");
    EXPECT_EQ(Zeilen[3], "1.: \"Chorprobe\" | 19:29 Uhr");
}

TEST_F(VorschauInText, HeadingsOfFiveDaysStartWithTomorrow) {
    Daten.Add(Eintrag("Irgendwann", D(1, 1, 2000), D(1, 1, 2000)));
    const std::vector<std::string> Zeilen = Texte(Infos.VorschauInText(Daten, 5));
    std::vector<std::string> Ueberschriften;
    for (const std::string& z : Zeilen)
        if (z.find(" an:") != std::string::npos)
            Ueberschriften.push_back(z);
    EXPECT_EQ(Ueberschriften, (std::vector<std::string>{
                                  "Morgen (Dienstag) stehen 0 Ereignisse an:",
                                  "Übermorgen (Mittwoch) stehen 0 Ereignisse an:",
                                  "Am Donnerstag, 8. Jänner 2026 stehen 0 Ereignisse an:",
                                  "Am Freitag, 9. Jänner 2026 stehen 0 Ereignisse an:",
                                  "Am Samstag, 10. Jänner 2026 stehen 0 Ereignisse an:",
                              }));
    EXPECT_EQ(Zeilen.back(), "--------------------");
}

// At the end of the calendar's range every day still has its heading, and an occurrence that
// starts on its last day is listed on the days of the following year it reaches.
TEST_F(VorschauInText, DaysPastTheLastCalendarDay) {
    TDatenClass Reise = Eintrag("Silvesterreise", D(31, 12, 2100), D(2, 1, 2101));
    Reise.EndeDatum = D(31, 12, 2101);
    Daten.Add(Reise);
    const struct {
        TTag Heute;
        int Tage;
        std::vector<std::string> Ueberschriften;
    } Faelle[] = {
        {D(30, 12, 2100),
         3,
         {"Morgen (Freitag) steht 1 Ereignis an:", "Übermorgen (Samstag) steht 1 Ereignis an:",
          "Am Sonntag, 2. Jänner 2101 steht 1 Ereignis an:"}},
        {D(31, 12, 2100),
         9,
         {"Morgen (Samstag) steht 1 Ereignis an:", "Übermorgen (Sonntag) steht 1 Ereignis an:",
          "Am Montag, 3. Jänner 2101 stehen 0 Ereignisse an:",
          "Am Dienstag, 4. Jänner 2101 stehen 0 Ereignisse an:",
          "Am Mittwoch, 5. Jänner 2101 stehen 0 Ereignisse an:",
          "Am Donnerstag, 6. Jänner 2101 stehen 0 Ereignisse an:",
          "Am Freitag, 7. Jänner 2101 stehen 0 Ereignisse an:",
          "Am Samstag, 8. Jänner 2101 stehen 0 Ereignisse an:",
          "Am Sonntag, 9. Jänner 2101 stehen 0 Ereignisse an:"}},
    };
    for (const auto& f : Faelle) {
        TUhr::Festhalten(f.Heute + 0.5);
        const std::vector<std::string> Zeilen = Texte(Infos.VorschauInText(Daten, f.Tage));
        std::vector<std::string> Ueberschriften;
        for (const std::string& z : Zeilen)
            if (z.find(" an:") != std::string::npos)
                Ueberschriften.push_back(z);
        EXPECT_EQ(Ueberschriften, f.Ueberschriften) << DatumText(f.Heute);
        EXPECT_EQ(std::count(Zeilen.begin(), Zeilen.end(), "1.: \"Silvesterreise\""),
                  f.Heute == D(30, 12, 2100) ? 3 : 2);
        EXPECT_EQ(Zeilen.back(), "--------------------");
    }
}

TEST_F(VorschauInText, TodayOnlyWithItsSoundFiles) {
    const std::string Gong = Programm.Datei("Gong.wav");
    TDatenClass MitKlang = Eintrag("Zahnarzt", Heute, Heute, 9.0 / 24);
    MitKlang.SounddateiS = true;
    MitKlang.Sounddatei = Gong;
    TDatenClass KlangFehlt = Eintrag("Post", Heute, Heute);
    KlangFehlt.SounddateiS = true;
    KlangFehlt.Sounddatei = Programm.Pfad() + "/Fehlt.wav";
    TDatenClass KlangAus = Eintrag("Müll", Heute, Heute);
    KlangAus.Sounddatei = Gong;
    for (const TDatenClass* E : {&MitKlang, &KlangFehlt, &KlangAus})
        Daten.Add(*E);

    const TVorschauListe Liste = Infos.VorschauInText(Daten, 0);
    EXPECT_EQ(Texte(Liste), (std::vector<std::string>{
                                "Heute ist Montag, der 5. Jänner 2026, 14:30 Uhr",
                                "",
                                "Heute (Montag) stehen 3 Ereignisse an:",
                                "1.: \"Zahnarzt\" | 09:00 Uhr",
                                "2.: \"Post\"",
                                "3.: \"Müll\"",
                                "--------------------",
                            }));
    EXPECT_TRUE(Infos.NurHeuteS);
    EXPECT_EQ(Infos.SounddateienSl, std::vector<std::string>{Gong});

    // A preview of several days never plays, and starts its list afresh.
    TDatenClass Morgen = Eintrag("Morgen mit Klang", Heute + 1, Heute + 1);
    Morgen.SounddateiS = true;
    Morgen.Sounddatei = Gong;
    Daten.Add(Morgen);
    Infos.VorschauInText(Daten, 3);
    EXPECT_TRUE(Infos.SounddateienSl.empty());
    EXPECT_FALSE(Infos.NurHeuteS);
}

TEST_F(VorschauInText, WhatIsLeftOutAndHowEventsRead) {
    // Listed: a two-day occurrence once per day, and a long text on one line.
    TDatenClass Zweitaegig = Eintrag("Messe", Heute + 1, Heute + 2);
    Zweitaegig.Langtext = "Halle 3\r\nStand 12\nEingang Süd\r";
    // Two runs on the same day (a damaged or merged entry): only the first is taken.
    TDatenClass Doppelt = Eintrag("Doppelt", Heute + 1, Heute + 1, 8.0 / 24);
    Doppelt.Add(Eintrag("Doppelt", Heute + 1, Heute + 1, 18.0 / 24).DatumListe[0]);
    // Left out: a deactivated occurrence, one after the limit, a holiday, today and the day after the range.
    TDatenClass Deaktiviert = Eintrag("Deaktiviert", Heute + 1, Heute + 1);
    Deaktiviert.DatumListe[0].AktivTyp = avDeaktiv;
    TDatenClass NachGrenze = Eintrag("Nach der Grenze", Heute + 2, Heute + 2);
    NachGrenze.EndeDatum = Heute + 1;
    TDatenClass Feiertag = Eintrag("Feiertag", Heute + 1, Heute + 1);
    Feiertag.TagTyp = ttFeiertag;
    TDatenClass Ausserhalb = Eintrag("Außerhalb", Heute, Heute);
    Ausserhalb.Add(Eintrag("Außerhalb", Heute + 3, Heute + 3).DatumListe[0]);
    for (const TDatenClass* E : {&Zweitaegig, &Doppelt, &Deaktiviert, &NachGrenze, &Feiertag, &Ausserhalb})
        Daten.Add(*E);

    const TVorschauListe Liste = Infos.VorschauInText(Daten, 2);
    EXPECT_EQ(Texte(Liste), (std::vector<std::string>{
                                "Heute ist Montag, der 5. Jänner 2026, 14:30 Uhr",
                                "",
                                "Morgen (Dienstag) stehen 2 Ereignisse an:",
                                "1.: \"Messe\" | [Halle 3  Stand 12 Eingang Süd ]",
                                "2.: \"Doppelt\" | 08:00 Uhr",
                                "--------------------",
                                "",
                                "Übermorgen (Mittwoch) steht 1 Ereignis an:",
                                "1.: \"Messe\" | [Halle 3  Stand 12 Eingang Süd ]",
                                "--------------------",
                            }));
    EXPECT_EQ(Liste[8].DatenClass->DatumListe[0].Datum, Heute + 2);
}

TEST_F(VorschauInText, EmptyCalendarGivesTheNoticeAndTheExclamation) {
    Infos.SounddateienSl.push_back("alt.wav");
    const TVorschauListe Liste = Infos.VorschauInText(Daten, 0);
    EXPECT_EQ(Texte(Liste), std::vector<std::string>{"Es sind keine Daten zum Auswerten vorhanden!"});
    EXPECT_EQ(Liste[0].DatenClass, nullptr);
    EXPECT_EQ(Klang.Gespielt, std::vector<std::string>{"SystemExclamation"});
    EXPECT_TRUE(Infos.SounddateienSl.empty());
}

} // namespace
