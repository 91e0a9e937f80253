#include "platform/windows/WindowsZeitzone.h"

#include <cmath>

namespace {

constexpr double SekundenJeTag = 86400.0;
// The years SYSTEMTIME and a TDateTime share: 1601 to 9999.
constexpr TDateTime Kleinster = EncodeDate(1601, 1, 1);
constexpr TDateTime Groesster = EncodeDate(9999, 12, 31) + 1.0;

bool Gueltig(TDateTime t) {
    return std::isfinite(t) && t >= Kleinster && t < Groesster;
}

// The whole second at or before t.
SYSTEMTIME AlsSystemzeit(TDateTime t) {
    const double Tag = std::floor(t);
    const auto Sekunde = static_cast<int>(std::floor((t - Tag) * SekundenJeTag));
    const TJMT Datum = DecodeDate(static_cast<TTag>(Tag));
    SYSTEMTIME s{};
    s.wYear = static_cast<WORD>(Datum.Jahr);
    s.wMonth = static_cast<WORD>(Datum.Monat);
    s.wDay = static_cast<WORD>(Datum.Tag);
    s.wHour = static_cast<WORD>(Sekunde / 3600);
    s.wMinute = static_cast<WORD>(Sekunde / 60 % 60);
    s.wSecond = static_cast<WORD>(Sekunde % 60);
    return s;
}

TDateTime AusSystemzeit(const SYSTEMTIME& s) {
    return EncodeDate(s.wYear, s.wMonth, s.wDay) +
           (s.wHour * 3600.0 + s.wMinute * 60.0 + s.wSecond) / SekundenJeTag;
}

using TUmrechnung = BOOL(WINAPI*)(const TIME_ZONE_INFORMATION*, const SYSTEMTIME*, SYSTEMTIME*);

// The system converts whole seconds; the offset it found is added to the exact instant, so the
// fraction of a second stays.
TDateTime Umrechnen(TUmrechnung AUmrechnung, const std::optional<TIME_ZONE_INFORMATION>& AZone, TDateTime t) {
    if (!Gueltig(t))
        return t;
    const SYSTEMTIME Ein = AlsSystemzeit(t);
    SYSTEMTIME Aus{};
    if (!AUmrechnung(AZone ? &*AZone : nullptr, &Ein, &Aus))
        return t;
    return t + (AusSystemzeit(Aus) - AusSystemzeit(Ein));
}

} // namespace

TDateTime TWindowsZeitzone::UtcToLocal(TDateTime t) const {
    return Umrechnen(SystemTimeToTzSpecificLocalTime, FZone, t);
}

TDateTime TWindowsZeitzone::LocalToUtc(TDateTime t) const {
    return Umrechnen(TzSpecificLocalTimeToSystemTime, FZone, t);
}

std::string TWindowsZeitzone::Name() const {
    DYNAMIC_TIME_ZONE_INFORMATION Zone{};
    if (FZone || GetDynamicTimeZoneInformation(&Zone) == TIME_ZONE_ID_INVALID) {
        return "";
    }
    const int Laenge =
        WideCharToMultiByte(CP_UTF8, 0, Zone.TimeZoneKeyName, -1, nullptr, 0, nullptr, nullptr);
    std::string Name(Laenge > 0 ? Laenge : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, Zone.TimeZoneKeyName, -1, Name.data(), Laenge, nullptr, nullptr);
    Name.resize(Laenge > 0 ? Laenge - 1 : 0);
    return Name;
}

std::unique_ptr<TZeitzone> SystemZeitzone() {
    return std::make_unique<TWindowsZeitzone>();
}
