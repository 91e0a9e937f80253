#pragma once

// The name-day search without its window: which days of "Namenstage.dat" belong to a name (or
// part of one), as lines "6.1.: Kaspar/Melchior/Balthasar" under the header "Namenstage:".

#include <string>
#include <string_view>
#include <vector>

enum TNamenSuchErgebnis {
    nsGefunden,      // the header and one line per found day
    nsNichtGefunden, // the header and the not-found line
    nsDateiFehler,   // only the line "Fehler in der Namenstags-Datei!"
};

struct TNamenSuche {
    TNamenSuchErgebnis Ergebnis = nsDateiFehler;
    std::vector<std::string> Zeilen;
};

// The name as the search uses and shows it: every letter in lower case.
std::string SuchStrAus(std::string_view AName);

// Searches the name-day file in AOrdner (its existence is the caller's check: a missing or
// unreadable file is a file fault here). With AGenauS a whole name of a names line must equal
// the searched one ignoring case; otherwise the lower-cased names line must contain it. Each day
// is listed once, in file order, with all names of that day. The dialog sounds the exclamation
// for every result but nsGefunden.
TNamenSuche NamenstagSuchen(const std::string& AOrdner, std::string_view AName, bool AGenauS);
