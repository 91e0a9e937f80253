#pragma once

// The one source of "now" and "today". Nothing else reads the system clock, so tests and the
// text front end can fix the moment the program lives in.

#include <functional>

#include "model/Kalenderdatum.h"

class TUhr {
public:
    // The current local date and time.
    static TDateTime Jetzt();
    // The date part of Jetzt().
    static TTag Heute();
    // Replaces the clock; an empty function restores the system clock.
    static void Stellen(std::function<TDateTime()> AQuelle);
    // Fixes the clock at one instant.
    static void Festhalten(TDateTime AZeitpunkt);
};
