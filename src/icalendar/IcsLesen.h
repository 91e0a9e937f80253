#pragma once

// Reading iCalendar text (RFC 5545) into calendar entries.
//
// Each event becomes one entry. A rule the calendar's own intervals repeat exactly is kept as the
// entry's interval (its end as the entry's limit); every other recurrence is expanded into the
// occurrences of a once-only entry. Times reach the local zone, texts code page 1252; what cannot
// be taken over is counted in the report.

#include <cstdint>
#include <string_view>

#include "icalendar/IcsBericht.h"
#include "model/TDaten.h"
#include "platform/Zeitzone.h"

// True if the text begins (after a byte-order mark and blank lines) with BEGIN:VCALENDAR.
bool IstIcalendar(std::string_view AAnfang);

// Replaces the content of ADaten by the entries of the text, each given AIdDatei. Raises
// ELeseFehler with what is wrong (not iCalendar, truncated, garbage, an event without a valid
// start) and leaves ADaten unchanged then.
TIcsBericht IcsLesen(std::string_view AText, TDaten& ADaten, std::int32_t AIdDatei,
                     const TZeitzone& AZeitzone);
