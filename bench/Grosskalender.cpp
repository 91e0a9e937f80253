// Writes the benchmarks' calendar as a calendar file, for measuring the program on it:
// 200 daily entries from 1.1.2025, each to 31.12.2100 (about 5.5 million day records) or cut to
// its first DAYS days (365: about 73,000 records; 2750: about 550,000).
//
//   bench_grosskalender FILE [DAYS]

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "BenchKalender.h"
#include "platform/SystemDateisystem.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FILE [DAYS]\n", argv[0]);
        return 2;
    }
    try {
        TDaten Daten;
        BenchKalenderTage(Daten, argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 0);
        Daten.SaveToFile(argv[1], SystemDateisystem());
        std::printf("%zu records\n", BenchDatensaetze(Daten));
    } catch (const std::exception& Fehler) {
        std::fprintf(stderr, "%s\n", Fehler.what());
        return 1;
    }
    return 0;
}
