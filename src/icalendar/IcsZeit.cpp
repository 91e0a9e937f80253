#include "icalendar/IcsZeit.h"

#include <cmath>

namespace {

// The seam converts instants as day fractions; its offset is taken back to whole seconds.
TSekunden Versatz(TDateTime AVon, TDateTime ANach) {
    return static_cast<TSekunden>(std::llround((ANach - AVon) * SekundenJeTag));
}

} // namespace

bool TIcsZeit::Gueltig(const icaltimetype& t) {
    if (icaltime_is_null_time(t) || !IstGueltigesDatum(t.year, t.month, t.day)) {
        return false;
    }
    return t.is_date ||
           (t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second <= 60);
}

TSekunden TIcsZeit::Wand(const icaltimetype& t) {
    const TSekunden Tag = EncodeDate(t.year, t.month, t.day);
    return t.is_date ? Tag * SekundenJeTag : Tag * SekundenJeTag + t.hour * 3600 + t.minute * 60 + t.second;
}

TSekunden TIcsZeit::Utc(const icaltimetype& t) const {
    if (Schwebend(t)) {
        return UtcAusLokal(Wand(t));
    }
    if (icaltime_is_utc(t)) {
        return Wand(t);
    }
    icaltimetype u = t;
    icaltimezone_convert_time(&u, const_cast<icaltimezone*>(t.zone), icaltimezone_get_utc_timezone());
    return Gueltig(u) ? Wand(u) : Wand(t);
}

TSekunden TIcsZeit::Lokal(const icaltimetype& t) const {
    return Schwebend(t) ? Wand(t) : LokalAusUtc(Utc(t));
}

TSekunden TIcsZeit::LokalAusUtc(TSekunden AUtc) const {
    const TDateTime t = static_cast<TDateTime>(AUtc) / SekundenJeTag;
    return AUtc + Versatz(t, FZeitzone.UtcToLocal(t));
}

TSekunden TIcsZeit::UtcAusLokal(TSekunden ALokal) const {
    const TDateTime t = static_cast<TDateTime>(ALokal) / SekundenJeTag;
    return ALokal + Versatz(t, FZeitzone.LocalToUtc(t));
}

#ifndef _WIN32
std::string IcsZonenname(const TZeitzone& AZeitzone) {
    return AZeitzone.Name();
}
#endif
