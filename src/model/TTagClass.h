#pragma once

#include <cstdint>

class TDatenClass;

// Points at one day record of one entry: the handle every entry line of a view carries and every
// entry command receives. It does not own the entry and is valid only while the entry's records
// are unchanged.
struct TTagClass {
    std::int32_t DatumNr = -1;
    const TDatenClass* DatenClass = nullptr;

    TTagClass() = default;
    TTagClass(std::int32_t ADatumNr, const TDatenClass* ADatenClass)
        : DatumNr(ADatumNr), DatenClass(ADatenClass) {}

    void Clear() {
        DatumNr = -1;
        DatenClass = nullptr;
    }
};
