// libical on Windows: where its zone data lies, and the local zone's name as libical knows zones.
// Part of the iCalendar room's library in the Windows build only; its reader and writer call
// IcsZonenname(), so this file, and with it the zone folder's set-up, is in every program
// that uses the room.

#include "platform/windows/IcalZonen.h"

#include <libical/ical.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "icalendar/IcsZeit.h"
#include "platform/Zeitzone.h"

namespace {

struct TWindowsZone {
    const char* Id;
    const char* Gebiet;
    const char* Name;
};

// Windows' zone ids and the zone each stands for in a territory, "001" for the id's main one.
constexpr TWindowsZone WindowsZonen[] = {
#include "WindowsZonen.inc"
};

// libical reads the zone rules from one VTIMEZONE file per zone in a folder at run time; on
// Windows it looks only in folders above the program's own and at the path it was built for. The
// installed program carries them in zoneinfo\ beside itself. A program run from the build tree
// has none there and keeps libical's own search, which finds the build's folder.
const bool ZonenordnerGesetzt = [] {
    wchar_t Pfad[MAX_PATH];
    const DWORD Laenge = GetModuleFileNameW(nullptr, Pfad, MAX_PATH);
    if (Laenge == 0 || Laenge == MAX_PATH) {
        return false;
    }
    std::error_code Fehler;
    const std::filesystem::path Ordner = std::filesystem::path(Pfad).parent_path() / "zoneinfo";
    if (!std::filesystem::is_directory(Ordner, Fehler)) {
        return false;
    }
    set_zone_directory(Ordner.string().c_str());
    return true;
}();

} // namespace

std::string ZonennameAusWindows(const std::string& AId, const std::string& AGebiet) {
    std::string Haupt;
    for (const TWindowsZone& z : WindowsZonen) {
        if (z.Id == AId) {
            if (z.Gebiet == AGebiet) {
                return z.Name;
            }
            if (std::strcmp(z.Gebiet, "001") == 0) {
                Haupt = z.Name;
            }
        }
    }
    return Haupt;
}

// TZ, where it names a zone libical knows, as on Linux (wine takes the system zone from it);
// else the zone's Windows id with the user's country, as the zone of that country which the id
// stands for ("W. Europe Standard Time" in Austria: "Europe/Vienna"), or the id's main zone. A zone
// without an id (a fixed one) has no name.
std::string IcsZonenname(const TZeitzone& AZeitzone) {
    if (const char* Tz = std::getenv("TZ");
        Tz != nullptr && *Tz != '\0' && icaltimezone_get_builtin_timezone(Tz) != nullptr) {
        return Tz;
    }
    const std::string Id = AZeitzone.Name();
    if (Id.empty()) {
        return "";
    }
    char Gebiet[16] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SISO3166CTRYNAME, Gebiet, sizeof Gebiet);
    return ZonennameAusWindows(Id, Gebiet);
}
