#pragma once

#include <cstdint>

// The period the main window shows: one year, month or ISO week. The ordinals are stored in the
// settings, so they never change.
enum TTagesansicht : std::uint8_t {
    taJahr = 0,
    taMonat = 1,
    taWoche = 2,
};
