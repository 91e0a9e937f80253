#include <libical/ical.h>

#include <cmath>
#include <random>
#include <set>
#include <tuple>

#include "icalendar/IcsLesen.h"
#include "icalendar/IcsSchreiben.h"
#include "icalendar/IcsTestHilfen.h"

namespace {

constexpr TTag Anfang = EncodeDate(2020, 1, 1);
constexpr TTag Ende = EncodeDate(2031, 12, 31);

// Random calendars of the main file as the program makes them: every interval with occurrence
// lengths within the editor's limits, whole days and times (also in the hour the clocks skip in
// spring), limits, counters, the delete function and sounds; then edits as the entry commands
// make them: deactivated runs and runs moved within the gap to the next one.
TDaten ZufallsKalender(std::mt19937& AZufall) {
    const auto Zahl = [&](int AVon, int ABis) {
        return std::uniform_int_distribution<int>(AVon, ABis)(AZufall);
    };
    const int MaxDauer[AnzeigenTypAnzahl] = {99, 1, 7, 14, 21, 28, 28, 58, 88, 99, 99, 99};
    TDaten Daten;
    for (int n = Zahl(1, 20); n > 0; --n) {
        TDatenClass Vorlage;
        Vorlage.Kurztext = "E" + std::to_string(n);
        Vorlage.Langtext = Zahl(0, 1) == 0 ? "" : "Zeile eins\r\nZeile zwei";
        Vorlage.AnzeigenTyp = static_cast<TAnzeigenTyp>(Zahl(0, AnzeigenTypAnzahl - 1));
        Vorlage.TagTyp = static_cast<TTagTyp>(Zahl(0, 2));
        Vorlage.CounterS = Zahl(0, 1) == 1;
        Vorlage.CounterStart = Zahl(-5, 100);
        Vorlage.EndeDatum = Zahl(0, 2) == 0 ? Anfang + Zahl(0, 4000) : KalenderEnde;
        Vorlage.Sounddatei = Zahl(0, 3) == 0 ? "/home/anna/Klänge/Glocke; laut.wav" : "";
        Vorlage.SounddateiS = !Vorlage.Sounddatei.empty() && Zahl(0, 1) == 1;
        TDatumClass R;
        R.Datum = R.VonDatum = Anfang + Zahl(0, 3000);
        R.BisDatum = R.VonDatum + (Zahl(0, 2) == 0 ? Zahl(0, MaxDauer[Vorlage.AnzeigenTyp] - 1) : 0);
        R.GanzerTagS = Zahl(0, 1) == 1;
        R.VonZeitSetzen(R.GanzerTagS ? 0.0 : (Zahl(0, 23) * 60 + Zahl(0, 59)) * 60 / 86400.0);
        R.LoeschenS = Zahl(0, 3) == 0;
        Vorlage.Add(R);
        Vorlage.Id = n;
        Daten.Add(TTagClass(0, &Vorlage));
        Daten.Aendern(Daten[Daten.Count() - 1], [&](TDatenClass& E) {
            std::vector<std::int32_t> Anfaenge;
            E.FuerJedenLauf([&](std::int32_t AStart, std::int32_t) { Anfaenge.push_back(AStart); });
            for (std::size_t k = 0; k + 1 < Anfaenge.size() && k < 300; ++k) {
                const std::int32_t a = Anfaenge[k];
                const std::int32_t Laenge = E.DatumListe[a].Laenge();
                if (Zahl(0, 9) == 0) {
                    for (std::int32_t i = a; i < a + Laenge; ++i) {
                        E.DatumListe[i].AktivTyp = avDeaktiv;
                    }
                }
                const TTag Spielraum = E.DatumListe[Anfaenge[k + 1]].VonDatum - 1 - E.DatumListe[a].BisDatum;
                if (Zahl(0, 19) == 0 && Spielraum > 0) {
                    const TTag Schub = Zahl(1, Spielraum);
                    for (std::int32_t i = a; i < a + Laenge; ++i) {
                        E.DatumListe[i].Datum += Schub;
                        E.DatumListe[i].VonDatum += Schub;
                        E.DatumListe[i].BisDatum += Schub;
                    }
                }
            }
        });
    }
    return Daten;
}

// The first line where two lists of day lines part, or "" when they are equal.
std::string ErsterUnterschied(const std::vector<std::string>& A, const std::vector<std::string>& B) {
    for (std::size_t i = 0; i < std::max(A.size(), B.size()); ++i) {
        const std::string a = i < A.size() ? A[i] : "(keine Zeile)";
        const std::string b = i < B.size() ? B[i] : "(keine Zeile)";
        if (a != b) {
            return "Zeile " + std::to_string(i) + ":\n  " + a + "\nstatt\n  " + b;
        }
    }
    return "";
}

class IcsRundreise : public IcsTest {};

// Written and read into an empty calendar, a calendar shows the same day lines, in the local
// zone and with floating times alike.
TEST_F(IcsRundreise, ExportThenImportGivesTheSameDayLines) {
    std::mt19937 Zufall(20251211);
    for (int Runde = 0; Runde < 12; ++Runde) {
        TDaten Kalender = ZufallsKalender(Zufall);
        for (const std::string Zone : {"Europe/Vienna", ""}) {
            const std::string Text = IcsKodieren(Kalender, Zone, *this->Zone);
            TDaten Gelesen;
            IcsLesen(Text, Gelesen, 1, *this->Zone);
            TDaten Wieder;
            Wieder.Import(Gelesen);
            const std::string Unterschied =
                ErsterUnterschied(Tageszeilen(Wieder, Anfang, Ende), Tageszeilen(Kalender, Anfang, Ende));
            ASSERT_EQ(Unterschied, "") << "Runde " << Runde << " Zone \"" << Zone << "\"\n" << Text;
            // Type, interval, counter, limit, texts and sound of every entry that shows come back
            // as they were; the ids are the importing calendar's.
            std::vector<const TDatenClass*> Sichtbare;
            for (const TDatenClass& e : Kalender.Eintraege()) {
                if (e.EndeDatumValid()) {
                    Sichtbare.push_back(&e);
                }
            }
            ASSERT_EQ(static_cast<std::size_t>(Wieder.Count()), Sichtbare.size());
            for (std::size_t i = 0; i < Sichtbare.size(); ++i) {
                TDatenClass Erwartet = *Sichtbare[i];
                Erwartet.Id = Wieder[i].Id;
                EXPECT_TRUE(Wieder[i].IdentInfos(&Erwartet, false)) << Erwartet.Kurztext << "\n" << Text;
            }
        }
    }
}

// An occurrence as the local day and time of its start.
using TBeginn = std::pair<TTag, int>;

// The starts libical's expansion gives, taken to the local zone through the system's zone (the C
// library's local time knows the system's zone on Linux only).
struct TErweiterung {
    const TZeitzone& Zone;
    std::set<TBeginn> Beginne;
};

void Hinzufuegen(icalcomponent* AEreignis, icaltime_span* ASpanne, void* AZiel) {
    auto& Ziel = *static_cast<TErweiterung*>(AZiel);
    constexpr TDateTime Epoche = 25569; // 1.1.1970
    const TDateTime Utc = Epoche + static_cast<TDateTime>(ASpanne->start) / 86400;
    // Whole days come back as UTC midnights, times as instants.
    const TDateTime t = icalcomponent_get_dtstart(AEreignis).is_date ? Utc : Ziel.Zone.UtcToLocal(Utc);
    const auto Minute = std::llround(t * 1440);
    Ziel.Beginne.insert({static_cast<TTag>(Minute / 1440), static_cast<int>(Minute % 1440)});
}

// libical's own expansion of the written file gives exactly the calendar's shown, active
// occurrences: the file means to other programs what the calendar shows.
TEST_F(IcsRundreise, LibicalExpandsTheFileToTheCalendarsOccurrences) {
    std::mt19937 Zufall(7);
    for (int Runde = 0; Runde < 8; ++Runde) {
        TDaten Kalender = ZufallsKalender(Zufall);
        const std::string Text = IcsKodieren(Kalender, "Europe/Vienna", *Zone);
        std::set<TBeginn> Erwartet;
        for (const TDatenClass& e : Kalender.Eintraege()) {
            e.FuerJedenLauf([&](std::int32_t AStart, std::int32_t) {
                const TDatumClass& d = e.DatumListe[AStart];
                if (d.AktivTyp == avAktiv && d.VonDatum <= e.EndeDatum && d.VonDatum >= Anfang &&
                    d.VonDatum <= Ende) {
                    const TUhrzeit u = UhrzeitVon(d.VonZeit());
                    Erwartet.insert({d.VonDatum, d.GanzerTagS ? 0 : u.Stunde * 60 + u.Minute});
                }
            });
        }
        icalcomponent* Datei = icalparser_parse_string(Text.c_str());
        ASSERT_NE(Datei, nullptr);
        TErweiterung Erweitert{*Zone, {}};
        const icaltimetype Von = icaltime_from_day_of_year(1, 2020);
        const icaltimetype Bis = icaltime_from_day_of_year(1, 2032);
        for (icalcomponent* v = icalcomponent_get_first_component(Datei, ICAL_VEVENT_COMPONENT); v != nullptr;
             v = icalcomponent_get_next_component(Datei, ICAL_VEVENT_COMPONENT)) {
            icalcomponent_foreach_recurrence(v, Von, Bis, Hinzufuegen, &Erweitert);
        }
        icalcomponent_free(Datei);
        EXPECT_EQ(Erweitert.Beginne, Erwartet) << "Runde " << Runde;
    }
}

} // namespace
