// Writes the small calendar files the end-to-end tests of orvanto-text read, through the
// program's own save, into the folder named by the first argument.

#include <fstream>
#include <iostream>
#include <string>

#include "model/TDaten.h"
#include "platform/SystemDateisystem.h"

namespace {

struct TVorlage {
    std::string Kurztext;
    TTag Von;
    TTag Bis;
    TAnzeigenTyp Intervall = atEinmalig;
    TTagTyp Typ = ttTermin;
    double Uhrzeit = -1; // hours; negative for the whole day
    std::string Langtext;
};

void Erzeuge(TDaten& ADaten, const TVorlage& AVorlage) {
    TDatenClass e;
    e.Id = ADaten.NewId();
    e.Kurztext = AVorlage.Kurztext;
    e.Langtext = AVorlage.Langtext;
    e.TagTyp = AVorlage.Typ;
    e.AnzeigenTyp = AVorlage.Intervall;
    e.EndeDatum = KalenderEnde;
    TDatumClass r;
    r.Datum = AVorlage.Von;
    r.VonDatum = AVorlage.Von;
    r.BisDatum = AVorlage.Bis;
    r.GanzerTagS = AVorlage.Uhrzeit < 0;
    r.VonZeitSetzen(r.GanzerTagS ? 0.0 : AVorlage.Uhrzeit / 24);
    e.Add(r);
    ADaten.Add(TTagClass(0, &e));
}

void Speichere(const std::string& AOrdner, const std::string& AName,
               std::initializer_list<TVorlage> AVorlagen) {
    TDaten Daten;
    for (const TVorlage& v : AVorlagen) {
        Erzeuge(Daten, v);
    }
    Daten.SaveToFile(AOrdner + "/" + AName, SystemDateisystem());
}

TTag D(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: text_fixturen ORDNER\n";
        return 2;
    }
    const std::string Ordner = argv[1];
    // Monday 6.1.2025 is "today" in the tests.
    Speichere(Ordner, "Haupt.OVK",
              {
                  {"Zahnarzt", D(7, 1, 2025), D(7, 1, 2025), atEinmalig, ttTermin, 9.5, ""},
                  {"Chorprobe", D(8, 1, 2025), D(8, 1, 2025), at1Woche, ttTermin, 19.5, "Alt\r\nund Sopran"},
                  {"Reise", D(9, 1, 2025), D(10, 1, 2025), atEinmalig, ttUrlaub, -1, ""},
              });
    Speichere(
        Ordner, "Feiertage.OVF",
        {
            {"Neujahr", D(1, 1, 2025), D(1, 1, 2025), at1Jahr, ttFeiertag, -1, ""},
            {"Heilige Drei Könige", D(6, 1, 2025), D(6, 1, 2025), at1Jahr, ttFeiertag, -1, "Epiphanias"},
        });
    // The dentist is there already; the cinema is new.
    Speichere(Ordner, "Import.OVI",
              {
                  {"Zahnarzt", D(7, 1, 2025), D(7, 1, 2025), atEinmalig, ttTermin, 9.5, ""},
                  {"Kino", D(11, 1, 2025), D(11, 1, 2025), atEinmalig, ttTermin, 20, ""},
              });
    Speichere(Ordner, "Leer.OVK", {});
    std::ofstream(Ordner + "/Kaputt.OVK", std::ios::binary) << "kein Kalender";
    // An invitation as mail programs send it, under a name that does not say what it is: a
    // weekly course in UTC, a cancelled meeting and a task.
    std::ofstream(Ordner + "/Einladung.txt", std::ios::binary)
        << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n"
           "BEGIN:VEVENT\r\nUID:kurs\r\nDTSTART:20250107T170000Z\r\nDTEND:20250107T180000Z\r\n"
           "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Yoga\r\nEND:VEVENT\r\n"
           "BEGIN:VEVENT\r\nUID:weg\r\nDTSTART:20250108T100000Z\r\nSTATUS:CANCELLED\r\nSUMMARY:Abgesagt\r\n"
           "END:VEVENT\r\n"
           "BEGIN:VTODO\r\nUID:aufgabe\r\nSUMMARY:Anmelden\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
    std::ofstream(Ordner + "/Kaputt.ics", std::ios::binary)
        << "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Abgeschni";
    return 0;
}
