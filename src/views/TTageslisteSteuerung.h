#pragma once

// What the day-list behaviour needs from the two controls of the main window: the period box (an
// edit field with the list of periods under it) and the day list. The window binds real
// controls; tests bind a scripted fake.

#include <cstdint>
#include <string>

#include "views/TPeriodenliste.h"
#include "views/TZeile.h"

class TTageslisteSteuerung {
public:
    virtual ~TTageslisteSteuerung() = default;

    // Period box: replaces its items by the labels of APerioden (nothing selected afterwards).
    virtual void PeriodenLaden(const TPeriodenliste& APerioden) = 0;
    // The text in the box's edit field, as typed.
    virtual std::string PeriodenText() const = 0;
    // The selected item, -1 for none.
    virtual std::int32_t PeriodenIndex() const = 0;
    // Selects item ANr; its label becomes the box's text.
    virtual void PeriodeWaehlen(std::int32_t ANr) = 0;
    // Selects the whole text of the edit field for retyping.
    virtual void PeriodenTextMarkieren() = 0;
    virtual void PeriodenFokus() = 0;

    // Day list: replaces every line in one update, nothing selected afterwards. AZeilen's lines
    // stay alive and unchanged (but for their handles) until the next call, so their texts may
    // be shown where they are.
    virtual void ZeilenErsetzen(const TZeilenliste& AZeilen) = 0;
    // The selected line, -1 for none.
    virtual std::int32_t ZeilenIndex() const = 0;
    virtual void ZeileWaehlen(std::int32_t ANr) = 0;
    virtual void ZeilenFokus() = 0;
    // The day list has the keyboard focus (many commands act only then).
    virtual bool ZeilenHatFokus() const = 0;

    // The default system beep.
    virtual void Piep() = 0;
};
