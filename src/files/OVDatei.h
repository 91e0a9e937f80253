#pragma once

// The calendar file: versions 1 to 3 are read, version 3 is written.
//
// Layout: the magic text "OV_1", "OV_2" or "OV_3", then the entries until the end of the file,
// each with its complete list of day records. Texts are a 16-bit big-endian length and code page
// 1252 bytes; 32-bit numbers use the format's own byte order (low byte, then bits 24-31, 16-23,
// 8-15).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "files/DateiSicherErsetzen.h"
#include "model/TDaten.h"
#include "platform/TDateisystem.h"

// Replaces the content of ADaten by the entries of the file, each given AIdDatei. Raises
// ELeseFehler (or EBetriebssystemFehler) and leaves ADaten unchanged on any fault, running out of
// memory included.
void KalenderdateiLesen(const std::string& AFilename, TDaten& ADaten, std::int32_t AIdDatei,
                        TDateisystem& ADateisystem);

// The same from the bytes of a file.
void KalenderdateiDekodieren(std::string_view ABytes, TDaten& ADaten, std::int32_t AIdDatei);

// Hands out up to AAnzahl bytes of a file into AZiel; 0 at its end.
using TLesequelle = std::function<std::size_t(char* AZiel, std::size_t AAnzahl)>;

// The same from a source of AGroesse bytes, read in pieces of AStueck bytes, so that a large file
// is never held in memory as a whole.
void KalenderdateiDekodieren(const TLesequelle& AQuelle, std::uint64_t AGroesse, TDaten& ADaten,
                             std::int32_t AIdDatei, std::size_t AStueck = 1 << 20);

// Writes the main-file entries of ADaten as a version-3 file, replacing AFilename only by the
// final move of a completed temporary file. Raises ESchreibFehler or EBetriebssystemFehler; the
// old file is then untouched and no temporary file is left.
void KalenderdateiSchreiben(const std::string& AFilename, const TDaten& ADaten, TDateisystem& ADateisystem);

// The bytes of a version-3 file holding the main-file entries of ADaten (ESchreibFehler for a
// text the format cannot hold), handed to AZiel piece by piece.
void KalenderdateiKodieren(const TDaten& ADaten, const TSchreibziel& AZiel);
std::string KalenderdateiKodieren(const TDaten& ADaten);
