// Writes the calendar file the window tests start on: an appointment "Zahnarzt" on Wednesday
// 8.1.2025 and a holiday "Dreikönig" on Monday 6.1.2025. With a count N, N more appointments
// "Termin 1" .. "Termin N" repeat daily through 2025 (their records stop there, so the file stays
// small): a calendar whose day lists hold thousands of lines. With a sound file SOUND, those
// appointments play it.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "model/TDaten.h"
#include "platform/SystemDateisystem.h"

namespace {

// An all-day entry on each day from AVon to ABis.
TDatenClass Eintrag(const std::string& AKurztext, TTag AVon, TTag ABis, TTagTyp ATyp, std::int32_t AId,
                    TAnzeigenTyp AIntervall = atEinmalig) {
    TDatenClass e;
    e.Id = AId;
    e.Kurztext = AKurztext;
    e.TagTyp = ATyp;
    e.AnzeigenTyp = AIntervall;
    e.EndeDatum = KalenderEnde;
    TDatumListe l;
    for (TTag Tag = AVon; Tag <= ABis; ++Tag) {
        TDatumClass r;
        r.Datum = r.VonDatum = r.BisDatum = Tag;
        r.GanzerTagS = true;
        l.push_back(r);
    }
    e.AddDatumListe(l);
    return e;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s FILE [DAILY-ENTRIES [SOUND]]\n", argv[0]);
        return 2;
    }
    const int Taeglich = argc >= 3 ? std::atoi(argv[2]) : 0;
    const std::string Klang = argc == 4 ? argv[3] : "";
    try {
        TDaten Daten;
        const TTag Zahnarzt = EncodeDate(2025, 1, 8);
        const TTag Dreikoenig = EncodeDate(2025, 1, 6);
        Daten.Add(Eintrag("Zahnarzt", Zahnarzt, Zahnarzt, ttTermin, 0));
        Daten.Add(Eintrag("Dreikönig", Dreikoenig, Dreikoenig, ttFeiertag, 1));
        for (int i = 1; i <= Taeglich; ++i) {
            TDatenClass Termin = Eintrag("Termin " + std::to_string(i), EncodeDate(2025, 1, 1),
                                         EncodeDate(2025, 12, 31), ttTermin, 1 + i, at1Tag);
            Termin.SounddateiS = !Klang.empty();
            Termin.Sounddatei = Klang;
            Daten.Add(Termin);
        }
        Daten.SaveToFile(argv[1], SystemDateisystem());
    } catch (const std::exception& Fehler) {
        std::fprintf(stderr, "%s\n", Fehler.what());
        return 1;
    }
    return 0;
}
