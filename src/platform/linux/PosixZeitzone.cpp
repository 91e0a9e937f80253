#include "platform/linux/PosixZeitzone.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

constexpr double SekundenJeTag = 86400.0;
constexpr TDateTime Unixbeginn = 25569.0; // 1.1.1970
// Years 1..9999, the dates a TDateTime is used for.
constexpr TDateTime Kleinster = -693593.0;
constexpr TDateTime Groesster = 2958466.0;

bool Gueltig(TDateTime t) {
    return std::isfinite(t) && t >= Kleinster && t < Groesster;
}

} // namespace

// The offset in force at the instant is added to it.
TDateTime TPosixZeitzone::UtcToLocal(TDateTime t) const {
    if (!Gueltig(t))
        return t;
    tzset();
    const auto Sekunden = static_cast<std::time_t>(std::floor((t - Unixbeginn) * SekundenJeTag));
    std::tm Lokal{};
    if (!localtime_r(&Sekunden, &Lokal))
        return t;
    return t + static_cast<double>(Lokal.tm_gmtoff) / SekundenJeTag;
}

// The wall time read as a local time (mktime, which picks the daylight-saving rule itself) and
// as Universal Time (timegm); their difference is the offset.
TDateTime TPosixZeitzone::LocalToUtc(TDateTime t) const {
    if (!Gueltig(t))
        return t;
    tzset();
    const double Tag = std::floor(t);
    const auto Sekunde = static_cast<int>(std::floor((t - Tag) * SekundenJeTag));
    const TJMT Datum = DecodeDate(static_cast<TTag>(Tag));
    std::tm Wand{};
    Wand.tm_year = Datum.Jahr - 1900;
    Wand.tm_mon = Datum.Monat - 1;
    Wand.tm_mday = Datum.Tag;
    Wand.tm_hour = Sekunde / 3600;
    Wand.tm_min = Sekunde / 60 % 60;
    Wand.tm_sec = Sekunde % 60;
    Wand.tm_isdst = -1;
    std::tm AlsUtc = Wand;
    std::tm AlsLokal = Wand;
    errno = 0;
    const std::time_t Utc = timegm(&AlsUtc);
    const std::time_t Lokal = mktime(&AlsLokal);
    // -1 is also a valid second (31.12.1969 23:59:59), so only errno tells a failure.
    if (errno != 0 && (Utc == static_cast<std::time_t>(-1) || Lokal == static_cast<std::time_t>(-1)))
        return t;
    return t - static_cast<double>(Utc - Lokal) / SekundenJeTag;
}

std::string TPosixZeitzone::Name() const {
    const auto NachZoneinfo = [](const std::string& APfad) {
        const std::size_t i = APfad.find("zoneinfo/");
        return i == std::string::npos ? std::string() : APfad.substr(i + 9);
    };
    if (const char* Tz = std::getenv("TZ"); Tz != nullptr && *Tz != '\0') {
        const std::string Name = Tz[0] == ':' ? Tz + 1 : Tz;
        return Name.starts_with("/") ? NachZoneinfo(Name) : Name;
    }
    std::ifstream Datei("/etc/timezone");
    std::string Name;
    if (std::getline(Datei, Name) && !Name.empty()) {
        return Name;
    }
    std::error_code Fehler;
    return NachZoneinfo(std::filesystem::read_symlink("/etc/localtime", Fehler).string());
}

std::unique_ptr<TZeitzone> SystemZeitzone() {
    return std::make_unique<TPosixZeitzone>();
}
