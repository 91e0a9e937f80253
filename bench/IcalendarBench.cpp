// Reading an iCalendar file of N events with mixed rules and merging it into an empty calendar
// (the goal: 10,000 events under a second, growing linearly), and writing the calendar of 200
// daily entries, 5.5 million day records, as an iCalendar file (the goal: under two seconds).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "BenchKalender.h"
#include "icalendar/IcsLesen.h"
#include "icalendar/IcsSchreiben.h"

namespace {

const TZeitzone& Zone() {
    static const std::unique_ptr<TZeitzone> z = [] {
        setenv("TZ", "Europe/Vienna", 1);
        tzset();
        return SystemZeitzone();
    }();
    return *z;
}

std::string Datum(int ANr) {
    const TJMT d = DecodeDate(EncodeDate(2025, 1, 1) + ANr % 3650);
    char t[16];
    std::snprintf(t, sizeof t, "%04d%02d%02d", d.Jahr, d.Monat, d.Tag);
    return t;
}

// Events as calendars of mail programs and web services write them: single appointments in UTC,
// whole-day stays of several days, weekly courses in the local zone with a count, monthly rules
// on a weekday list (expanded) and yearly days without end.
std::string Datei(int AAnzahl) {
    std::string t = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//DE\r\n";
    for (int i = 0; i < AAnzahl; ++i) {
        t += "BEGIN:VEVENT\r\nUID:e" + std::to_string(i) + "\r\nSUMMARY:Termin " + std::to_string(i) + "\r\n";
        switch (i % 10) {
        case 0:
        case 1:
        case 2:
        case 3:
            t += "DTSTART:" + Datum(i) + "T080000Z\r\nDTEND:" + Datum(i) + "T090000Z\r\n";
            break;
        case 4:
        case 5:
            t += "DTSTART;VALUE=DATE:" + Datum(i) + "\r\nDTEND;VALUE=DATE:" + Datum(i + 3) + "\r\n";
            break;
        case 6:
        case 7:
            t += "DTSTART;TZID=Europe/Vienna:" + Datum(i) + "T180000\r\nRRULE:FREQ=WEEKLY;COUNT=10\r\n";
            break;
        case 8:
            t += "DTSTART:" + Datum(i) + "T100000\r\nRRULE:FREQ=MONTHLY;BYDAY=1MO,3MO;COUNT=12\r\n";
            break;
        default:
            t += "DTSTART;VALUE=DATE:" + Datum(i) + "\r\nRRULE:FREQ=YEARLY\r\n";
        }
        t += "END:VEVENT\r\n";
    }
    return t + "END:VCALENDAR\r\n";
}

void Import(benchmark::State& AState) {
    const std::string Text = Datei(static_cast<int>(AState.range(0)));
    for (auto _ : AState) {
        TDaten Gelesen;
        IcsLesen(Text, Gelesen, 1, Zone());
        TDaten Kalender;
        Kalender.Import(Gelesen);
        benchmark::DoNotOptimize(Kalender.Count());
    }
    AState.SetComplexityN(AState.range(0));
}
BENCHMARK(Import)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void Export(benchmark::State& AState) {
    TDaten Kalender;
    BenchKalender(Kalender);
    AState.counters["Datensaetze"] = static_cast<double>(BenchDatensaetze(Kalender));
    for (auto _ : AState) {
        benchmark::DoNotOptimize(IcsKodieren(Kalender, "Europe/Vienna", Zone()).size());
    }
}
BENCHMARK(Export)->Unit(benchmark::kMillisecond);

} // namespace
