#include <fstream>
#include <sstream>

#include "icalendar/IcsDatei.h"
#include "icalendar/IcsLesen.h"
#include "icalendar/IcsTestHilfen.h"
#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"

namespace {

std::string Pfad(const std::string& AName) {
    return std::string(std::getenv("ORVANTO_TESTDATA")) + "/dateien/" + AName;
}

std::string Datei(const std::string& AName) {
    std::ifstream f(Pfad(AName), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_FALSE(s.str().empty()) << AName;
    return s.str();
}

TTag T(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

// A calendar with one event of the given lines.
std::string Kalender(const std::string& AEreignis) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\nBEGIN:VEVENT\r\nUID:x\r\n" + AEreignis +
           "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

struct TFall {
    const char* Datei;
    TTag Von;
    TTag Bis;
    std::vector<std::string> Zeilen;
    std::string Bericht;
};

class IcsLesen_ : public IcsTest {};

// Each file of the corpus with the day lines it gives in a period around its events (reaching
// past a rule's end, so that the limit shows) and the report of the reading.
TEST_F(IcsLesen_, CorpusFilesGiveTheirDayLines) {
    const std::string Eins = "1 Termin übernommen.";
    const std::vector<TFall> Faelle = {
        {"ganztag_eintaegig.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025: Geburtstag Oma | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         Eins},
        // DTEND is exclusive: the 13th is not a day of the stay.
        {"ganztag_mehrtaegig.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025: Kur | (T1E+) | Von 10.03.2025 bis 12.03.2025",
          "Di 11.03.2025: Kur | (T1E+) | Von 10.03.2025 bis 12.03.2025",
          "Mi 12.03.2025: Kur | (T1E+) | Von 10.03.2025 bis 12.03.2025"},
         Eins},
        // UTC in winter is an hour behind Vienna, in summer two: 22:30 UTC is the next day here.
        {"utc.ics",
         T(1, 3, 2025),
         T(31, 7, 2025),
         {"Mo 10.03.2025 09:30h: Telefonat | (T1E+) | Von 10.03.2025 bis 10.03.2025",
          "Mi 16.07.2025 00:30h: Nachtzug | (T1E+) | Von 16.07.2025 bis 16.07.2025"},
         "2 Termine übernommen."},
        // The file's VTIMEZONE puts London three hours ahead of UTC: 12:00 there is 10:00 here.
        {"tzid_vtimezone.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025 10:00h: Besprechung | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         Eins},
        // New York's summer time starts three weeks before Vienna's: the weekly 9:00 there is
        // 15:00, 14:00 and 15:00 again here, so it becomes single occurrences; Vienna's own
        // weekly 9:00 keeps its interval across the change.
        {"sommerzeit.ics",
         T(1, 3, 2025),
         T(30, 4, 2025),
         {"Mo 03.03.2025 15:00h: New York | (T1E+) | Von 03.03.2025 bis 03.03.2025",
          "Mo 10.03.2025 14:00h: New York | (T1E+) | Von 10.03.2025 bis 10.03.2025",
          "Mo 17.03.2025 14:00h: New York | (T1E+) | Von 17.03.2025 bis 17.03.2025",
          "Mo 24.03.2025 14:00h: New York | (T1E+) | Von 24.03.2025 bis 24.03.2025",
          "Mo 24.03.2025 09:00h: Wien | (T1W+) | Von 24.03.2025 bis 24.03.2025",
          "Mo 31.03.2025 15:00h: New York | (T1E+) | Von 31.03.2025 bis 31.03.2025",
          "Mo 31.03.2025 09:00h: Wien | (T1W+) | Von 31.03.2025 bis 31.03.2025",
          "Mo 07.04.2025 15:00h: New York | (T1E+) | Von 07.04.2025 bis 07.04.2025",
          "Mo 07.04.2025 09:00h: Wien | (T1W+) | Von 07.04.2025 bis 07.04.2025"},
         "2 Termine übernommen."},
        {"schwebend.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025 18:30h: Chorprobe | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         Eins},
        {"woechentlich_count.ics",
         T(1, 3, 2025),
         T(30, 4, 2025),
         {"Mo 03.03.2025 11:00h: Gymnastik | (T1W+) | Von 03.03.2025 bis 03.03.2025",
          "Mo 10.03.2025 11:00h: Gymnastik | (T1W+) | Von 10.03.2025 bis 10.03.2025",
          "Mo 17.03.2025 11:00h: Gymnastik | (T1W+) | Von 17.03.2025 bis 17.03.2025"},
         Eins},
        {"zweiwoechentlich_until.ics",
         T(1, 3, 2025),
         T(30, 4, 2025),
         {"Di 04.03.2025: Restmüll | (T2W+) | Von 04.03.2025 bis 04.03.2025",
          "Di 18.03.2025: Restmüll | (T2W+) | Von 18.03.2025 bis 18.03.2025",
          "Di 01.04.2025: Restmüll | (T2W+) | Von 01.04.2025 bis 01.04.2025"},
         Eins},
        // RFC 5545 skips the months without a 31st; the monthly interval would not.
        {"monatlich_31.ics",
         T(1, 1, 2025),
         T(31, 7, 2025),
         {"Fr 31.01.2025: Monatsende | (T1E+) | Von 31.01.2025 bis 31.01.2025",
          "Mo 31.03.2025: Monatsende | (T1E+) | Von 31.03.2025 bis 31.03.2025",
          "Sa 31.05.2025: Monatsende | (T1E+) | Von 31.05.2025 bis 31.05.2025"},
         Eins},
        {"schalttag_jaehrlich.ics",
         T(1, 1, 2024),
         T(31, 12, 2028),
         {"Do 29.02.2024: Schalttag | (T1E+) | Von 29.02.2024 bis 29.02.2024",
          "Di 29.02.2028: Schalttag | (T1E+) | Von 29.02.2028 bis 29.02.2028"},
         Eins},
        {"byday_liste.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 03.03.2025 07:00h: Laufen | (T1E+) | Von 03.03.2025 bis 03.03.2025",
          "Mi 05.03.2025 07:00h: Laufen | (T1E+) | Von 05.03.2025 bis 05.03.2025",
          "Fr 07.03.2025 07:00h: Laufen | (T1E+) | Von 07.03.2025 bis 07.03.2025",
          "Mo 10.03.2025 07:00h: Laufen | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         Eins},
        {"exdate.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 03.03.2025: Kurs | (T1W+) | Von 03.03.2025 bis 03.03.2025",
          "Mo 17.03.2025: Kurs | (T1W+) | Von 17.03.2025 bis 17.03.2025"},
         Eins},
        {"rdate.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 03.03.2025 14:00h: Arzt | (T1E+) | Von 03.03.2025 bis 03.03.2025",
          "Mi 05.03.2025 14:00h: Arzt | (T1E+) | Von 05.03.2025 bis 05.03.2025",
          "Mi 12.03.2025 14:00h: Arzt | (T1E+) | Von 12.03.2025 bis 12.03.2025"},
         Eins},
        // The second meeting moved to Wednesday, the third cancelled.
        {"recurrence_id.ics",
         T(1, 3, 2025),
         T(30, 4, 2025),
         {"Mo 03.03.2025 10:00h: Sitzung | (T1W+) | Von 03.03.2025 bis 03.03.2025",
          "Mi 12.03.2025 11:00h: Sitzung verschoben | (T1E+) | Von 12.03.2025 bis 12.03.2025",
          "Mo 24.03.2025 10:00h: Sitzung | (T1W+) | Von 24.03.2025 bis 24.03.2025"},
         "2 Termine übernommen, 1 nicht übernommen: 1 abgesagter Termin."},
        {"abgesagt.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Di 11.03.2025 10:00h: Findet statt | (T1E+) | Von 11.03.2025 bis 11.03.2025"},
         "1 Termin übernommen, 1 nicht übernommen: 1 abgesagter Termin."},
        {"aufgabe.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025: Termin neben Aufgaben | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         "1 Termin übernommen, 2 nicht übernommen: 1 Aufgabe, 1 Journaleintrag."},
        {"gefaltet.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025: Jahreshauptversammlung der Freunde | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         Eins},
        {"umlaute_emoji.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025: Grüße aus Österreich ? | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         "1 Termin übernommen. In 2 Texten wurden Zeichen, die der Kalender nicht speichern kann, durch "
         "\"?\" "
         "ersetzt."},
        {"crlf.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025 09:00h: Zeilenenden | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         Eins},
        {"lf.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025 09:00h: Zeilenenden | (T1E+) | Von 10.03.2025 bis 10.03.2025"},
         Eins},
        {"stuendlich.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {},
         "0 Termine übernommen, 2 nicht übernommen: 2 Termine im Stunden- oder Minutentakt."},
        // 1850 lies wholly before the calendar; of the yearly rule only its first day is dropped.
        {"ausserhalb.ics",
         T(1, 1, 1900),
         T(31, 12, 1902),
         {"So 30.12.1900: Jahrestag | (T1E+) | Von 30.12.1900 bis 30.12.1900",
          "Mo 30.12.1901: Jahrestag | (T1E+) | Von 30.12.1901 bis 30.12.1901"},
         "1 Termin übernommen, 1 nicht übernommen: 1 Termin außerhalb von 1900 bis 2100."},
        {"ueberschneidung.ics",
         T(1, 3, 2025),
         T(31, 3, 2025),
         {"Mo 10.03.2025: Messe | (T1E+) | Von 10.03.2025 bis 12.03.2025",
          "Di 11.03.2025: Messe | (T1E+) | Von 10.03.2025 bis 12.03.2025",
          "Mi 12.03.2025: Messe | (T1E+) | Von 10.03.2025 bis 12.03.2025",
          "Fr 14.03.2025: Messe | (T1E+) | Von 14.03.2025 bis 16.03.2025",
          "Sa 15.03.2025: Messe | (T1E+) | Von 14.03.2025 bis 16.03.2025",
          "So 16.03.2025: Messe | (T1E+) | Von 14.03.2025 bis 16.03.2025"},
         "1 Termin übernommen, 1 nicht übernommen: 1 überschneidendes Vorkommen."},
    };
    for (const TFall& f : Faelle) {
        TDaten Daten;
        const TIcsBericht Bericht = IcsLesen(Datei(f.Datei), Daten, 0, *Zone);
        EXPECT_EQ(Tageszeilen(Daten, f.Von, f.Bis), f.Zeilen) << f.Datei;
        EXPECT_EQ(Bericht.Text(), f.Bericht) << f.Datei;
    }
}

TEST_F(IcsLesen_, TextsAndOwnPropertiesReachTheEntry) {
    TDaten Daten;
    IcsLesen(Datei("gefaltet.ics"), Daten, 3, *Zone);
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].Langtext, "Erste Zeile\r\nzweite Zeile");
    EXPECT_EQ(Daten[0].IdDatei, 3);

    IcsLesen(Datei("eigene_felder.ics"), Daten, 0, *Zone);
    ASSERT_EQ(Daten.Count(), 1);
    const TDatenClass& e = Daten[0];
    EXPECT_EQ(e.TagTyp, ttFeiertag);
    EXPECT_TRUE(e.CounterS);
    EXPECT_EQ(e.CounterStart, 5);
    // A yearly rule without end: the interval up to the calendar's end.
    EXPECT_EQ(e.AnzeigenTyp, at1Jahr);
    EXPECT_EQ(e.EndeDatum, KalenderEnde);
    EXPECT_EQ(e.DatumListe.back().Datum, T(10, 3, 2100));
}

// A rule the intervals cannot hold, without end, stops at the calendar's end.
TEST_F(IcsLesen_, AnEndlessExpandedRuleStopsAtTheCalendarsEnd) {
    TDaten Daten;
    IcsLesen(Kalender("DTSTART;VALUE=DATE:21001220\r\nRRULE:FREQ=WEEKLY;BYDAY=MO,TU\r\nSUMMARY:Ende\r\n"),
             Daten, 0, *Zone);
    ASSERT_EQ(Daten.Count(), 1);
    std::vector<TTag> Tage;
    for (const TDatumClass& d : Daten[0].DatumListe) {
        Tage.push_back(d.Datum);
    }
    EXPECT_EQ(Tage, (std::vector<TTag>{T(20, 12, 2100), T(21, 12, 2100), T(27, 12, 2100), T(28, 12, 2100)}));
}

// Bad input names what is wrong and leaves the calendar as it was.
TEST_F(IcsLesen_, BadInputIsRefusedWithItsReason) {
    const std::string Gut = Datei("ganztag_eintaegig.ics");
    const struct {
        std::string Text;
        std::string Meldung;
    } Faelle[] = {
        {"Hallo Welt\r\n", "Die Datei ist keine iCalendar-Datei: sie beginnt nicht mit BEGIN:VCALENDAR."},
        {"", "Die Datei ist keine iCalendar-Datei: sie beginnt nicht mit BEGIN:VCALENDAR."},
        {Gut.substr(0, Gut.size() / 2),
         "Die iCalendar-Datei ist unvollständig: END:VCALENDAR fehlt am Ende."},
        {"BEGIN:VCALENDAR\r\nVERSION:2.0\r\n\x01\x02 wirres Zeug ohne Doppelpunkt\r\nEND:VCALENDAR\r\n",
         "Die iCalendar-Datei enthält unlesbare Zeilen."},
        {"BEGIN:VCALENDAR\r\n" + std::string("A\0B", 3) + "\r\nEND:VCALENDAR\r\n",
         "Die iCalendar-Datei enthält Binärdaten."},
        {Kalender("SUMMARY:Ohne Beginn\r\n"),
         "Der Termin \"Ohne Beginn\" hat keinen gültigen Beginn (DTSTART)."},
        {Kalender("SUMMARY:Falsch\r\nDTSTART:20251345T990000\r\n"),
         "Der Termin \"Falsch\" hat keinen gültigen Beginn (DTSTART)."},
    };
    for (const auto& f : Faelle) {
        TDaten Daten;
        IcsLesen(Gut, Daten, 0, *Zone);
        try {
            IcsLesen(f.Text, Daten, 0, *Zone);
            ADD_FAILURE() << "accepted: " << f.Text;
        } catch (const ELeseFehler& Fehler) {
            EXPECT_EQ(Fehler.what(), f.Meldung);
        }
        ASSERT_EQ(Daten.Count(), 1) << f.Meldung;
        EXPECT_EQ(Daten[0].Kurztext, "Geburtstag Oma");
    }
}

TEST_F(IcsLesen_, FilesAreKnownByTheirContent) {
    const std::string Ordner = ::testing::TempDir();
    const std::string Kalenderdatei = Ordner + "/kalender_ohne_endung";
    std::ofstream(Kalenderdatei, std::ios::binary) << "\xEF\xBB\xBF\r\n" << Datei("lf.ics");
    const std::string Andere = Ordner + "/andere.ics";
    std::ofstream(Andere, std::ios::binary) << "OV_3";
    EXPECT_TRUE(IstIcsDatei(Kalenderdatei, SystemDateisystem()));
    EXPECT_FALSE(IstIcsDatei(Andere, SystemDateisystem()));
    EXPECT_FALSE(IstIcsDatei(Ordner + "/fehlt.ics", SystemDateisystem()));
}

// The merge is the calendar import: a second import of the same file adds nothing, and an
// unreadable file names itself and changes nothing.
TEST_F(IcsLesen_, ImportingTwiceAddsNothing) {
    TDaten Daten;
    IcsLesen(Datei("woechentlich_count.ics"), Daten, 0, *Zone);
    IcsImportieren(Pfad("recurrence_id.ics"), Daten, SystemDateisystem(), *Zone);
    ASSERT_EQ(Daten.Count(), 3);
    const TDaten Einmal(Daten);
    const TIcsBericht Bericht = IcsImportieren(Pfad("recurrence_id.ics"), Daten, SystemDateisystem(), *Zone);
    EXPECT_EQ(Bericht.Uebernommen, 2);
    EXPECT_TRUE(Daten.Ident(&Einmal, false));

    const std::string Kaputt = ::testing::TempDir() + "/kaputt.ics";
    std::ofstream(Kaputt, std::ios::binary) << "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n";
    try {
        IcsImportieren(Kaputt, Daten, SystemDateisystem(), *Zone);
        ADD_FAILURE() << "accepted a truncated file";
    } catch (const ELeseFehler& Fehler) {
        EXPECT_EQ(Fehler.what(),
                  "iCalendar-Datei konnte nicht gelesen werden:\r\n" + Kaputt +
                      "\r\nDie iCalendar-Datei ist unvollständig: END:VCALENDAR fehlt am Ende.");
    }
    EXPECT_TRUE(Daten.Ident(&Einmal, false));
}

} // namespace
