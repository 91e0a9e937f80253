#pragma once

// The name-day file "Namenstage.dat" in the program's folder and the names of one day.
//
// The file is read with the text type detection, trimmed of blanks and line breaks at both ends
// and split into lines. The lines form pairs: a names line (names separated by "/", shown as it
// stands) and a dates line of day tokens separated by spaces. A token is day and month as "%d.%d"
// writes them (6 January is 6.1): no leading zeros, no year, no final period.

#include "model/Kalenderdatum.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view NamenstageDateiname = "Namenstage.dat";

// The full name of the file in AOrdner.
std::string NamenstageDatei(const std::string& AOrdner);

// The lines of the file (errors of reading propagate as EFehler).
std::vector<std::string> NamenstageZeilen(const std::string& ADateiname);

// Whether the lines form complete pairs: their number is even and not zero.
bool SindNamenstagPaare(const std::vector<std::string>& AZeilen);

// The names lines of every pair that lists the day of ADatum, joined by ", " in file order (a
// pair that lists the day twice appears twice); "-" when there are none or when the file is
// missing, unreadable or not made of pairs. The file is read anew on every call.
std::string Namenstage(const std::string& AOrdner, TDateTime ADatum);
