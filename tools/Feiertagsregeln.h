#pragma once

// The rule table of the holiday file and the holidays it makes.
//
// The table has one line per holiday: its rule, a semicolon, its name. A rule is a fixed day of
// the year ("26.10.") or a distance in days from Easter Sunday ("Ostern+39", "Ostern-2"). Blank
// lines and lines starting with "#" are skipped.

#include <string>
#include <string_view>
#include <vector>

#include "model/Kalenderdatum.h"

class TDaten;

struct TFeiertagsregel {
    std::string Name;
    bool OsterS = false; // bound to Easter: the day is Easter Sunday + Versatz
    int Versatz = 0;
    int Tag = 0; // the fixed day and month when not bound to Easter
    int Monat = 0;
};

// Easter Sunday of AJahr in the Gregorian calendar (the anonymous Gregorian computus).
TTag Ostersonntag(int AJahr);

// The day of the holiday in AJahr.
TTag FeiertagImJahr(const TFeiertagsregel& ARegel, int AJahr);

// Reads the table. A faulty line raises std::runtime_error naming the line and what is wrong.
std::vector<TFeiertagsregel> FeiertagsregelnLesen(std::string_view ATabelle);

// Appends one holiday entry per rule to ADaten, in table order, with every day of it from
// KalenderAnfang to KalenderEnde. A fixed day becomes a yearly entry; an Easter-bound holiday
// has no fixed step from year to year, so it becomes an entry of single days, one per year.
void FeiertageErstellen(const std::vector<TFeiertagsregel>& ARegeln, TDaten& ADaten);
