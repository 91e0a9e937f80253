#pragma once

// The runs of an entry ordered by their first day, to tell quickly whether the entry holds a
// given run identically. Valid while the entry's records stay as they are.

#include <cstdint>
#include <utility>
#include <vector>

#include "model/TDatenClass.h"

class TLaufanfaenge {
public:
    explicit TLaufanfaenge(const TDatenClass& AHalter);

    // True if one of the entry's runs holds the ALaenge records from ALauf identically.
    bool Haelt(const TDatumClass* ALauf, std::int32_t ALaenge) const;

private:
    const TDatenClass& FHalter;
    std::vector<std::pair<TTag, std::int32_t>> FAnfaenge; // first day and index; equal days in list order
};
