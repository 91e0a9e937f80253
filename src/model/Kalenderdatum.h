#pragma once

// Calendar arithmetic on whole-day numbers and the German date names.
//
// A whole day is a TTag: days since 30.12.1899 (so 1.1.1900 is 2), the integral part of a
// TDateTime. An instant is a TDateTime whose fraction is the time of day. Everything here
// uses the proleptic Gregorian calendar and never consults the system locale.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

using TDateTime = double;
using TTag = std::int32_t;

struct TJMT {
    int Jahr = 0;
    int Monat = 0;
    int Tag = 0;
};

constexpr bool IsLeapYear(int AJahr) {
    return (AJahr % 4 == 0 && AJahr % 100 != 0) || AJahr % 400 == 0;
}

constexpr int DaysInMonth(int AJahr, int AMonat) {
    constexpr int Tage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return AMonat == 2 && IsLeapYear(AJahr) ? 29 : Tage[AMonat - 1];
}

constexpr bool IstGueltigesDatum(int AJahr, int AMonat, int ATag) {
    return AJahr >= 1 && AJahr <= 9999 && AMonat >= 1 && AMonat <= 12 && ATag >= 1 &&
           ATag <= DaysInMonth(AJahr, AMonat);
}

// Day number of a valid date (days-from-civil; 30.12.1899 is day 0).
constexpr TTag EncodeDate(int AJahr, int AMonat, int ATag) {
    const int y = AJahr - (AMonat <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (AMonat + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + ATag - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    constexpr int TageBis1970 = 25569; // day number of 1.1.1970
    return static_cast<TTag>(era * 146097 + doe - 719468 + TageBis1970);
}

constexpr TJMT DecodeDate(TTag ATag) {
    const int z = ATag - 25569 + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return TJMT{yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

// 0 = Sunday .. 6 = Saturday (30.12.1899 was a Saturday).
constexpr int Wochentag(TTag ATag) {
    const int r = (ATag + 6) % 7;
    return r < 0 ? r + 7 : r;
}

// 1 = Monday .. 7 = Sunday.
constexpr int IsoWochentag(TTag ATag) {
    const int w = Wochentag(ATag);
    return w == 0 ? 7 : w;
}

// Moves a date by whole months, keeping the day of month or clipping it to the target month's end.
constexpr TTag IncMonth(TTag ATag, int AMonate) {
    const TJMT d = DecodeDate(ATag);
    const int Index = d.Jahr * 12 + (d.Monat - 1) + AMonate;
    const int Jahr = Index >= 0 ? Index / 12 : (Index - 11) / 12;
    const int Monat = Index - Jahr * 12 + 1;
    const int Letzter = DaysInMonth(Jahr, Monat);
    return EncodeDate(Jahr, Monat, d.Tag > Letzter ? Letzter : d.Tag);
}

constexpr TTag KalenderAnfang = EncodeDate(1900, 1, 1);
constexpr TTag KalenderEnde = EncodeDate(2100, 12, 31);

// The whole day of an instant (the fraction cut off toward minus infinity, as a calendar day).
TTag TagVon(TDateTime AZeitpunkt);

// The time of day of an instant, split at the millisecond (the resolution of an instant): the
// parts below each one are dropped, never rounded up into it, so 02:24:59.98 is in minute 24,
// while 10:00 stored a hair short of it (9:59:59.9999) is 10:00:00.
struct TUhrzeit {
    int Stunde = 0;
    int Minute = 0;
    int Sekunde = 0;
};
// Inline and without library calls: the file writer splits millions of start times.
constexpr TUhrzeit UhrzeitVon(TDateTime AZeitpunkt) {
    // Out of any calendar's range (or not a number) an instant has no time of day: 0:00.
    if (!(AZeitpunkt > -1e9 && AZeitpunkt < 1e9)) {
        return {};
    }
    auto Tag = static_cast<int>(AZeitpunkt);
    if (Tag > AZeitpunkt) {
        --Tag; // the day toward minus infinity
    }
    // Half a millisecond added, the rest of the second cut off: rounded to the millisecond.
    const int Sekunden = std::min(static_cast<int>((AZeitpunkt - Tag) * 86400.0 + 0.0005), 86399);
    return TUhrzeit{Sekunden / 3600, Sekunden / 60 % 60, Sekunden % 60};
}

// German names with the program's adjustments: "Jänner", "Jän", "Mär"; day names without full stop.
// Indexes: months 1..12 at [Monat - 1], days Sunday..Saturday at [Wochentag].
extern const char* const LangeMonatsnamen[12];
extern const char* const KurzeMonatsnamen[12];
extern const char* const LangeTagesnamen[7];
extern const char* const KurzeTagesnamen[7];

// Formats an instant with the date-time patterns of the program: d dd ddd dddd, m mm mmm mmmm
// (minutes when following an hour), yy yyyy, h hh, n nn, s ss; text in "..." or '...' is copied
// literally, every other character as it stands.
std::string FormatDateTime(std::string_view AMuster, TDateTime AZeitpunkt);

// "dd.mm.yyyy"
std::string DatumText(TTag ATag);

// Reads a date written exactly as "dd.mm.yyyy"; false for anything else or an invalid date.
bool DatumLesen(std::string_view AText, TTag& ADatum);
