#pragma once

// Windows' time-zone ids and the zone names libical knows (the iCalendar room's Windows side).

#include <string>

// The zone that the Windows zone id AId (such as "W. Europe Standard Time") stands for in the
// country AGebiet (ISO 3166 code, such as "AT": "Europe/Vienna"), else the id's main zone
// ("Europe/Berlin"); "" for an id Windows does not have.
std::string ZonennameAusWindows(const std::string& AId, const std::string& AGebiet);
