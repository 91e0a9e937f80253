#pragma once

// The iCalendar files (.ics) of the file commands: recognising one by its content, importing it,
// reading it as a file shown beside the calendar and writing entries as one, in the system's time
// zone, which the window hands over once it has made it. Until then, and always in a build without
// the iCalendar room (where pkg-config finds no libical), no file is recognised as iCalendar, so
// every file goes the calendar file's way, and the commands that write one are off.

#include <cstdint>
#include <string>

class TDaten;
class TDateisystem;
class TZeitzone;

class TIcsDateien {
public:
    // ADateisystem outlives this object.
    explicit TIcsDateien(TDateisystem& ADateisystem);

    // AZeitzone outlives this object.
    void ZeitzoneSetzen(const TZeitzone& AZeitzone) { FZeitzone = &AZeitzone; }
    // iCalendar files are read and written: the build has the room and the zone is set.
    bool Bereit() const;

    // True if the file's content begins as an iCalendar file does, whatever its name.
    bool Erkannt(const std::string& AFilename) const;
    // Merges the file's events into the main calendar as a calendar import does; the report
    // sentence for the user ("12 Termine übernommen, ..."). Raises ELeseFehler with a message
    // naming the file and what is wrong; ADaten is unchanged then.
    std::string Importieren(const std::string& AFilename, TDaten& ADaten) const;
    // Replaces ADaten's content by the file's events as entries of AIdDatei; raises as Importieren.
    void Lesen(const std::string& AFilename, TDaten& ADaten, std::int32_t AIdDatei) const;
    // Writes the main-file entries of ADaten, replacing AFilename only when all is written;
    // errors propagate and leave an old file as it was.
    void Schreiben(const std::string& AFilename, const TDaten& ADaten) const;

private:
    TDateisystem& FDateisystem;
    const TZeitzone* FZeitzone = nullptr;
};
