#pragma once

// The period lists of the three views over the whole calendar range: 201 years, 2412 months and
// 10488 ISO weeks. A week running over 1 January carries both years ("W1/2024-2025").

#include "views/TPeriodenliste.h"
#include "views/TTagesansicht.h"

class TKalenderlisten {
public:
    TPeriodenliste Jahresliste;
    TPeriodenliste Monatsliste;
    TPeriodenliste Wochenliste;

    // Builds the three lists.
    TKalenderlisten() { KalenderlisteErstellen(); }

    void KalenderlisteErstellen();
    const TPeriodenliste& Liste(TTagesansicht ATagesansicht) const;
};

// The label of the period of view ATagesansicht that contains ADatum; equal to that period's
// label in the lists above, so the period box can be positioned by text.
std::string DatumInTagesansicht(TTagesansicht ATagesansicht, TTag ADatum);
