#pragma once

// The one-line texts of days and entry occurrences, and the date helpers the views need.
//
// A line carries everything a screen reader user needs about a day or an occurrence: weekday,
// date, time, short text, counter, status code, and the occurrence's first and last day in words
// relative to today. The same text identifies an entry everywhere (views, questions, previews,
// search results), so every caller formats through ZeilenText.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Kalenderdatum.h"

class TDatenClass;

// The compressed line form chosen by the user; off at start. The main window sets it, every
// formatting call without an explicit form reads it.
void SetAnzeigeKomprimiert(bool AKomprimiertS);
bool AnzeigeKomprimiert();

// The line of day record ANr of ADatenClass; with ADatenClass nil, the line of the empty day
// whose day number is ANr. A record index outside the entry's list raises EBereichsFehler.
std::string ZeilenText(const TDatenClass* ADatenClass, std::int32_t ANr);
std::string ZeilenText(const TDatenClass* ADatenClass, std::int32_t ANr, bool AKomprimiertS);
// The same line as it reads on the day AHeute ("heute", "morgen", ...), for callers that build
// many lines at once and ask the clock once.
std::string ZeilenText(const TDatenClass* ADatenClass, std::int32_t ANr, bool AKomprimiertS, TTag AHeute);

// "So", "Mo", ... "Sa".
std::string WochentagKurz(TTag ADatum);
// ISO 8601 week number.
int Kalenderwoche(TTag ADatum);
// 1 for 1 January.
int TagDesJahres(TTag ADatum);

// The date shown in a view line, with or without the calendar-week prefix. A line whose date
// word is not a date raises EKonvertierungsFehler.
TTag DatumAusZeile(std::string_view S);

// S from the start of its second word (words are separated by runs of spaces); empty when S has
// no second word. A line without its first word still identifies the line, with or without the
// calendar-week prefix in front.
std::string_view AbZweitemWort(std::string_view S);
