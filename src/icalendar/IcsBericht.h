#pragma once

// What reading an iCalendar file took over and what it left out, and the sentence that tells
// the user so.

#include <string>

struct TIcsBericht {
    int Uebernommen = 0;       // events that became entries (an override counts on its own)
    int Abgesagt = 0;          // cancelled events and cancelled overrides
    int Aufgaben = 0;          // VTODO
    int Journaleintraege = 0;  // VJOURNAL
    int Kurztakt = 0;          // events repeating by the second, minute or hour
    int Ueberschneidungen = 0; // occurrences that would share a day with another of their entry
    int Ausserhalb = 0;        // events with no occurrence within 1900..2100
    int GeaenderteTexte = 0;   // texts whose characters the calendar file cannot hold became "?"

    int NichtUebernommen() const;
    // "12 Termine übernommen, 2 nicht übernommen: 1 abgesagter Termin, 1 Aufgabe."
    std::string Text() const;
};
