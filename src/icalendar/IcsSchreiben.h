#pragma once

// Writing calendar entries as iCalendar text (RFC 5545).
//
// An entry whose occurrences are exactly what its interval generates is one event with a rule,
// its deactivated occurrences excluded; any other entry is one event with RDATEs when all its
// occurrences are alike, else one event per occurrence. Whole days are dates; times are written
// in the local zone with its VTIMEZONE. Properties of our own keep the rest.

#include <string>

#include "model/TDaten.h"
#include "platform/Zeitzone.h"

// The main-file entries of ADaten. Times carry the zone AZonenname (a zone name libical knows,
// such as "Europe/Vienna"); without one they are written as floating local times.
std::string IcsKodieren(const TDaten& ADaten, const std::string& AZonenname, const TZeitzone& AZeitzone);
