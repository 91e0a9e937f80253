#pragma once

// One calendar day of one occurrence of an entry: a plain value.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/Kalenderdatum.h"
#include "model/ResConst.h"

// MinGW lays out bit fields as Windows compilers do by default, one word per declared type;
// gcc_struct keeps the flags and the start time in one word there too. Other compilers share it
// anyway (and clang does not know the attribute).
#if defined(__MINGW32__)
#define ORVANTO_EIN_WORT [[gnu::gcc_struct]]
#else
#define ORVANTO_EIN_WORT
#endif

// 16 bytes per day record (a calendar holds millions of them): the flags and the start time
// share one word. The start time is kept to the millisecond, the resolution of an instant, so
// every time a file, an iCalendar file or the editor gives (whole minutes or seconds) reads back
// as the very same TDateTime.
struct ORVANTO_EIN_WORT TDatumClass {
    TTag Datum = 0;    // the day this record stands for
    TTag VonDatum = 0; // first day of its occurrence
    TTag BisDatum = 0; // last day of its occurrence
    TAktivTyp AktivTyp : 1 = avAktiv;
    bool GanzerTagS : 1 = false;
    bool LoeschenS : 1 = false;

    // The start time, a fraction of a day.
    TDateTime VonZeit() const { return VonMillisekunde / MillisekundenJeTag; }
    // Keeps the time of day of AZeit, rounded to the millisecond; its day is dropped.
    void VonZeitSetzen(TDateTime AZeit);

    // Number of days of the occurrence this record belongs to.
    int Laenge() const { return BisDatum - VonDatum + 1; }

    friend bool operator==(const TDatumClass&, const TDatumClass&) = default;

private:
    static constexpr double MillisekundenJeTag = 86400000.0;
    std::uint32_t VonMillisekunde : 27 = 0;
};

static_assert(sizeof(TDatumClass) == 16);

inline void TDatumClass::VonZeitSetzen(TDateTime AZeit) {
    // Out of any calendar's range (or not a number) an instant has no time of day: 0:00.
    if (!(AZeit > -1e9 && AZeit < 1e9)) {
        VonMillisekunde = 0;
        return;
    }
    // A time a hair short of midnight stays in its day, as the views' time of day does.
    const double Millisekunden = (AZeit - std::floor(AZeit)) * MillisekundenJeTag + 0.5;
    VonMillisekunde = static_cast<std::uint32_t>(std::min(Millisekunden, MillisekundenJeTag - 1));
}

// Record equality: every field exactly equal.
inline bool IdentDatumClassMitDatumClass(const TDatumClass& A, const TDatumClass& B) {
    return A == B;
}

using TDatumListe = std::vector<TDatumClass>;
