#include "info/TInfosTexte.h"

#include <gtest/gtest.h>

#include "info/InfoTestHilfen.h"
#include "model/Fehler.h"
#include "platform/linux/PosixZeitzone.h"

namespace {

TTag D(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

std::vector<std::string> Zeilen(const std::string& AText) {
    std::vector<std::string> Ergebnis;
    std::size_t Anfang = 0;
    for (std::size_t Pos; (Pos = AText.find("\r\n", Anfang)) != std::string::npos; Anfang = Pos + 2)
        Ergebnis.push_back(AText.substr(Anfang, Pos - Anfang));
    Ergebnis.push_back(AText.substr(Anfang));
    return Ergebnis;
}

// The line of the day part that starts with APrefix.
std::string ZeileMit(const std::string& AText, const std::string& APrefix) {
    for (const std::string& z : Zeilen(AText))
        if (z.rfind(APrefix, 0) == 0)
            return z;
    return "(keine Zeile " + APrefix + ")";
}

class InfosInText : public ::testing::Test {
protected:
    TZeitzoneGesetzt Zone{"Europe/Vienna"};
    TTestOrdner Programm{"orvanto-infos"};
    TPosixZeitzone Zeitzone;
    TZaehlKlang Klang;
    TInfosTexte Texte{Zeitzone, Klang, Programm.Pfad()};

    void SetUp() override { Programm.Datei("Namenstage.dat", "Simeon/Emilie\r\n5.1 6.1\r\n"); }

    std::string Tag(TTag ADatum) { return Texte.InfosInText(nullptr, ADatum); }
};

TDatenClass Chorprobe() {
    TDatenClass E = Eintrag("Chorprobe", D(5, 1, 2026), D(5, 1, 2026), 19.5 / 24);
    E.AnzeigenTyp = at1Woche;
    return E;
}

TEST_F(InfosInText, WholeTextOfADayWithAWeeklyAppointment) {
    TDatenClass E = Chorprobe();
    const TTagClass t(0, &E);
    EXPECT_EQ(
        Texte.InfosInText(&t, D(5, 1, 2026)),
        "Montag, 5. Jänner 2026\r\n"
        "In der Kalenderwoche 2/2026\r\n"
        "5. Tag des Jahres 2026\r\n"
        "Jahreszeit: Winter (von 22. Dezember bis 20. März)\r\n"
        "Sternzeichen: Steinbock (von 22. Dezember bis 20. Jänner)\r\n"
        "Zeitumstellung: Sommerzeit +1h 29.3.2026; Normalzeit -1h 25.10.2026\r\n"
        "Mondphase: Abnehmend (nächster Neumond: 18.1.2026, 20:53h; nächster Vollmond: 1.2.2026, 23:10h)\r\n"
        "Namenstag haben: Simeon/Emilie\r\n"
        "2026 ist kein Schaltjahr\r\n"
        "\r\n"
        "Infos zum Termin \"Chorprobe\":\r\n"
        "Von Montag, 5. Jänner 2026 19:30 Uhr bis Montag, 5. Jänner 2026 (Gültig 1 Tag)\r\n"
        "Termin ist aktiviert\r\n"
        "Intervall: Wöchentlich\r\n"
        "Kalendergrenze für diesen Eintrag: Freitag, 31. Dezember 2100\r\n"
        "Zählfunktion ist deaktiviert\r\n"
        "Löschfunktion ist deaktiviert\r\n"
        "Sounddatei ist deaktiviert\r\n"
        "Kein Langtext\r\n");
}

TEST_F(InfosInText, PartsLeftOut) {
    TDatenClass E = Chorprobe();
    const TTagClass t(0, &E);
    const std::string NurEintrag = Texte.InfosInText(&t, 0);
    EXPECT_EQ(NurEintrag.rfind("Infos zum Termin \"Chorprobe\":\r\n", 0), 0u) << NurEintrag;
    EXPECT_EQ(NurEintrag.substr(NurEintrag.size() - 15), "Kein Langtext\r\n");

    const std::string NurTag = Tag(D(5, 1, 2026));
    EXPECT_EQ(NurTag.find("\r\n\r\n"), std::string::npos);
    EXPECT_EQ(NurTag.substr(NurTag.size() - 26), "2026 ist kein Schaltjahr\r\n");

    EXPECT_EQ(Texte.InfosInText(nullptr, -3), "\r\n");
    const std::string NameFehlt = Tag(D(7, 1, 2026));
    EXPECT_EQ(ZeileMit(NameFehlt, "Namenstag"), "Namenstag haben: -");
}

TEST_F(InfosInText, CalendarLinesOfTheDay) {
    struct Fall {
        TTag Datum;
        const char* Prefix;
        const char* Zeile;
    };
    const Fall Faelle[] = {
        // The week goes with the date's own year, also where ISO counts it to the other year.
        {D(1, 1, 2027), "In der", "In der Kalenderwoche 53/2027"},
        {D(30, 12, 2025), "In der", "In der Kalenderwoche 1/2025"},
        {D(31, 12, 2024), "366.", "366. Tag des Jahres 2024"},
        {D(1, 1, 2025), "1.", "1. Tag des Jahres 2025"},
        {D(20, 3, 2025), "Jahreszeit", "Jahreszeit: Winter (von 22. Dezember bis 20. März)"},
        {D(20, 3, 2025), "Sternzeichen", "Sternzeichen: Fisch (von 20. Februar bis 20. März)"},
        {D(21, 3, 2025), "Jahreszeit", "Jahreszeit: Frühling (von 21. März bis 20. Juni)"},
        {D(21, 3, 2025), "Sternzeichen", "Sternzeichen: Widder (von 21. März bis 20. April)"},
        {D(29, 2, 2024), "Jahreszeit", "Jahreszeit: Winter (von 22. Dezember bis 20. März)"},
        {D(29, 2, 2024), "Sternzeichen", "Sternzeichen: Fisch (von 20. Februar bis 20. März)"},
        {D(21, 12, 2025), "Jahreszeit", "Jahreszeit: Herbst (von 23. September bis 21. Dezember)"},
        {D(22, 12, 2025), "Jahreszeit", "Jahreszeit: Winter (von 22. Dezember bis 20. März)"},
        {D(22, 12, 2025), "Sternzeichen", "Sternzeichen: Steinbock (von 22. Dezember bis 20. Jänner)"},
        {D(21, 1, 2025), "Sternzeichen", "Sternzeichen: Wassermann (von 21. Jänner bis 19. Februar)"},
        {D(23, 9, 2025), "Sternzeichen", "Sternzeichen: Jungfrau (von 24. August bis 23. September)"},
        {D(23, 9, 2025), "Jahreszeit", "Jahreszeit: Herbst (von 23. September bis 21. Dezember)"},
        {D(5, 5, 2025), "Zeitumstellung",
         "Zeitumstellung: Sommerzeit +1h 30.3.2025; Normalzeit -1h 26.10.2025"},
        // 31 March 2024 is itself a Sunday.
        {D(5, 5, 2024), "Zeitumstellung",
         "Zeitumstellung: Sommerzeit +1h 31.3.2024; Normalzeit -1h 27.10.2024"},
        {D(1, 6, 2024), "2024", "2024 ist ein Schaltjahr"},
        {D(1, 6, 1900), "1900", "1900 ist kein Schaltjahr"},
        {D(1, 6, 2000), "2000", "2000 ist ein Schaltjahr"},
        {D(6, 1, 2026), "Namenstag", "Namenstag haben: Simeon/Emilie"},
    };
    for (const Fall& f : Faelle)
        EXPECT_EQ(ZeileMit(Tag(f.Datum), f.Prefix), f.Zeile) << DatumText(f.Datum);
}

TEST_F(InfosInText, MoonLineInLocalTime) {
    struct Fall {
        const char* Zone;
        TTag Datum;
        const char* Zeile;
    };
    const Fall Faelle[] = {
        {"Europe/Vienna", D(1, 1, 2025),
         "Mondphase: Zunehmend (nächster Neumond: 29.1.2025, 13:37h; nächster Vollmond: 13.1.2025, 23:28h)"},
        {"America/New_York", D(1, 1, 2025),
         "Mondphase: Zunehmend (nächster Neumond: 29.1.2025, 7:37h; nächster Vollmond: 13.1.2025, 17:28h)"},
        // The phase of the day itself compares Universal Time days; the next ones start a day later.
        {"Europe/Vienna", D(29, 1, 2025),
         "Mondphase: Neumond (nächster Neumond: 28.2.2025, 1:45h; nächster Vollmond: 12.2.2025, 14:54h)"},
        {"Europe/Vienna", D(13, 1, 2025),
         "Mondphase: Vollmond (nächster Neumond: 29.1.2025, 13:37h; nächster Vollmond: 12.2.2025, 14:54h)"},
        // Summer time adds two hours.
        {"Europe/Vienna", D(1, 7, 2025),
         "Mondphase: Zunehmend (nächster Neumond: 24.7.2025, 21:12h; nächster Vollmond: 10.7.2025, 22:37h)"},
        // The new moon of 13.7.1999 at 02:24:59.98 is in minute 24.
        {"UTC", D(12, 7, 1999),
         "Mondphase: Abnehmend (nächster Neumond: 13.7.1999, 2:24h; nächster Vollmond: 28.7.1999, 11:25h)"},
    };
    for (const Fall& f : Faelle) {
        const TZeitzoneGesetzt Zone(f.Zone);
        EXPECT_EQ(ZeileMit(Tag(f.Datum), "Mondphase"), f.Zeile) << f.Zone << " " << DatumText(f.Datum);
    }
}

TEST_F(InfosInText, WolfSoundOnlyOnAFullMoonDayWhenItExists) {
    Tag(D(13, 1, 2025));
    EXPECT_TRUE(Texte.SounddateienSl.empty());

    const std::string Wolf = Programm.Datei("Sounddateien/Wolf.wav");
    Tag(D(13, 1, 2025));
    EXPECT_EQ(Texte.SounddateienSl, std::vector<std::string>{Wolf});
    Tag(D(13, 1, 2025));
    EXPECT_EQ(Texte.SounddateienSl.size(), 1u) << "each text starts a fresh list";
    Tag(D(14, 1, 2025));
    EXPECT_TRUE(Texte.SounddateienSl.empty());
    Tag(D(29, 1, 2025));
    EXPECT_TRUE(Texte.SounddateienSl.empty());
}

TEST_F(InfosInText, EntryAttributesInWords) {
    TDatenClass E = Eintrag("Urlaub", D(2, 3, 2026), D(4, 3, 2026));
    E.TagTyp = ttUrlaub;
    E.AnzeigenTyp = at1Jahr;
    E.EndeDatum = D(31, 12, 2030);
    E.CounterS = true;
    E.CounterStart = 5;
    E.SounddateiS = true;
    E.Sounddatei = "/home/anna/Sounddateien/Gong.wav";
    E.Langtext = "Koffer packen\r\nPass nicht vergessen";
    for (TDatumClass& r : E.DatumListe) {
        r.AktivTyp = avDeaktiv;
        r.LoeschenS = true;
    }
    const TTagClass t(2, &E);
    EXPECT_EQ(Texte.InfosInText(&t, 0),
              "Infos zum Urlaubstag \"Urlaub\":\r\n"
              "Von Montag, 2. März 2026 bis Mittwoch, 4. März 2026 (Gültig 3 Tage)\r\n"
              "Urlaubstag ist deaktiviert\r\n"
              "Eintragszähler: 7\r\n"
              "Intervall: Jährlich\r\n"
              "Kalendergrenze für diesen Eintrag: Dienstag, 31. Dezember 2030\r\n"
              "Zählfunktion ist aktiviert\r\n"
              "Startwert: 5\r\n"
              "Löschfunktion ist aktiviert\r\n"
              "Sounddatei: /home/anna/Sounddateien/Gong.wav\r\n"
              "Langtext:\r\n"
              "[Koffer packen\r\nPass nicht vergessen]\r\n");

    E.Sounddatei.clear(); // the flag alone names no file
    EXPECT_NE(Texte.InfosInText(&t, 0).find("\r\nSounddatei ist deaktiviert\r\n"), std::string::npos);
}

TEST_F(InfosInText, RecordOutsideTheEntryIsARangeError) {
    TDatenClass E = Chorprobe();
    for (const int Nr : {-1, 1}) {
        const TTagClass t(Nr, &E);
        EXPECT_THROW(Texte.InfosInText(&t, D(5, 1, 2026)), EBereichsFehler) << Nr;
    }
}

} // namespace
