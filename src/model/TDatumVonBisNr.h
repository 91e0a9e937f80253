#pragma once

#include <cstdint>

// The first and last record index of one occurrence inside an entry's day records.
struct TDatumVonBisNr {
    std::int32_t VonNr = 0;
    std::int32_t BisNr = 0;
};
