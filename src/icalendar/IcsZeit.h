#pragma once

// Times of an iCalendar file and the calendar's local wall time, in whole seconds since
// 30.12.1899 0:00 (the day numbers' epoch). Dates, floating times and the local zone's own times
// are wall times already; times in UTC or in another zone reach the local zone through the
// program's time-zone seam, so that the file's times and the clock agree.

#include <libical/ical.h>

#include <cstdint>
#include <string>

#include "model/Kalenderdatum.h"
#include "platform/Zeitzone.h"

using TSekunden = std::int64_t;
constexpr TSekunden SekundenJeTag = 86400;

// The day of a second, counted toward minus infinity.
constexpr TTag TagAus(TSekunden s) {
    return static_cast<TTag>(s >= 0 ? s / SekundenJeTag : -((-s + SekundenJeTag - 1) / SekundenJeTag));
}

// The name under which libical knows AZeitzone (its built-in zone data), "" for none. The zone's
// own name where the system names zones as libical does; Windows' zone ids are mapped
// (platform/windows/IcalZonen.cpp).
std::string IcsZonenname(const TZeitzone& AZeitzone);

class TIcsZeit {
public:
    explicit TIcsZeit(const TZeitzone& AZeitzone) : FZeitzone(AZeitzone) {}

    // True for a date or time of years 1..9999 whose fields make a real date and time.
    static bool Gueltig(const icaltimetype& t);
    // The fields of t read as a wall time, whatever its zone.
    static TSekunden Wand(const icaltimetype& t);
    // A time without zone: a date, or a date and time with no zone and not in UTC.
    static bool Schwebend(const icaltimetype& t) {
        return t.is_date || (!icaltime_is_utc(t) && t.zone == nullptr);
    }

    // The instant of t in UTC seconds; a floating t is taken as local.
    TSekunden Utc(const icaltimetype& t) const;
    // The local wall time of t.
    TSekunden Lokal(const icaltimetype& t) const;
    TSekunden LokalAusUtc(TSekunden AUtc) const;
    TSekunden UtcAusLokal(TSekunden ALokal) const;

private:
    const TZeitzone& FZeitzone;
};
