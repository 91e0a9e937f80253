#pragma once

// The entry clipboard of copy, cut and paste: one occurrence of one entry.

#include <cstdint>
#include <memory>

#include "model/TDatenClass.h"

class TGemerktClass {
public:
    // Position of the selected day inside the copied occurrence (0 = its first day).
    std::int32_t DatumNr = -1;
    // The entry's attributes (ids included) and the records of the copied occurrence; owned.
    std::unique_ptr<TDatenClass> Datums = std::make_unique<TDatenClass>();
    // The source entry in the collection; null for an entry of a loaded file, and reset to null
    // when the source becomes empty or another calendar is opened. Not owned.
    const TDatenClass* DatenClass = nullptr;
    // True after copy, false after cut.
    bool KopierenS = true;
};
