#pragma once

// The properties of our own that carry what RFC 5545 has no place for, so that a calendar
// written and read again by this program loses nothing.

constexpr const char* IcsTyp = "X-ORVANTO-TYP";                       // "Termin", "Urlaubstag", "Feiertag"
constexpr const char* IcsIntervall = "X-ORVANTO-INTERVALL";           // the interval's code, "1E" .. "1J"
constexpr const char* IcsGrenze = "X-ORVANTO-GRENZE";                 // the calendar limit, YYYYMMDD
constexpr const char* IcsZaehler = "X-ORVANTO-ZAEHLER";               // "JA" or "NEIN": the counter shows
constexpr const char* IcsZaehlerstart = "X-ORVANTO-ZAEHLERSTART";     // the counter's first number
constexpr const char* IcsLoeschfunktion = "X-ORVANTO-LOESCHFUNKTION"; // "JA": past occurrences may be purged
constexpr const char* IcsSounddatei = "X-ORVANTO-SOUNDDATEI";         // the sound file's name
constexpr const char* IcsSoundAn = "X-ORVANTO-SOUND";                 // "JA" or "NEIN": the sound plays
// Days of deactivated occurrences, YYYYMMDD separated by commas. They are EXDATEs as well, so
// that other programs do not show them.
constexpr const char* IcsDeaktiviert = "X-ORVANTO-DEAKTIVIERT";
// The UID of the entry whose occurrences were written as events of their own.
constexpr const char* IcsTeil = "X-ORVANTO-TEIL";
