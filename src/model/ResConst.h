#pragma once

// The enumerations of an entry and their display tables. The ordinals are stored in calendar
// files, so they never change.

#include <cstdint>

enum TAnzeigenTyp : std::uint8_t {
    atEinmalig = 0,
    at1Tag = 1,
    at1Woche = 2,
    at2Woche = 3,
    at3Woche = 4,
    at4Woche = 5,
    at1Monat = 6,
    at2Monat = 7,
    at3Monat = 8,
    at4Monat = 9,
    at6Monat = 10,
    at1Jahr = 11,
};
constexpr int AnzeigenTypAnzahl = 12;

enum TTagTyp : std::uint8_t {
    ttTermin = 0,
    ttUrlaub = 1,
    ttFeiertag = 2,
};
constexpr int TagTypAnzahl = 3;

enum TAktivTyp : std::uint8_t {
    avAktiv = 0,
    avDeaktiv = 1,
};
constexpr int AktivTypAnzahl = 2;

extern const char* const IntervallKuerzel[AnzeigenTypAnzahl];
extern const char* const IntervallNamen[AnzeigenTypAnzahl];
extern const char* const EintragstypNamen[TagTypAnzahl];
extern const char* const AktivZeichen[AktivTypAnzahl];
