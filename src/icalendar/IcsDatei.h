#pragma once

// iCalendar files through the program's file system: recognising, reading, importing, writing.

#include <cstdint>
#include <string>

#include "icalendar/IcsBericht.h"
#include "model/TDaten.h"
#include "platform/TDateisystem.h"
#include "platform/Zeitzone.h"

// True if the file's content begins as an iCalendar file does (BEGIN:VCALENDAR), whatever its
// name; false also for a file that cannot be read.
bool IstIcsDatei(const std::string& AFilename, TDateisystem& ADateisystem);

// Replaces the content of ADaten by the events of the file as entries of AIdDatei. Raises
// ELeseFehler with a message naming the file and what is wrong; ADaten is unchanged then.
TIcsBericht IcsDateiLesen(const std::string& AFilename, TDaten& ADaten, std::int32_t AIdDatei,
                          TDateisystem& ADateisystem, const TZeitzone& AZeitzone);

// Merges the events of the file into the main calendar as the import of a calendar file does
// (duplicates and collisions alike), so that importing it again adds nothing. A file that cannot
// be read raises as IcsDateiLesen and changes nothing.
TIcsBericht IcsImportieren(const std::string& AFilename, TDaten& ADaten, TDateisystem& ADateisystem,
                           const TZeitzone& AZeitzone);

// Writes the main-file entries, replacing AFilename only when all is written; errors propagate
// and leave the old file as it was.
void IcsDateiSchreiben(const std::string& AFilename, const TDaten& ADaten, TDateisystem& ADateisystem,
                       const TZeitzone& AZeitzone);
