#pragma once

// Conversion between Universal Time and the system's local time, with the daylight-saving rule
// in force at the given instant. A conversion that fails returns its input unchanged.

#include <memory>
#include <string>

#include "model/Kalenderdatum.h"

class TZeitzone {
public:
    virtual ~TZeitzone() = default;
    virtual TDateTime UtcToLocal(TDateTime t) const = 0;
    virtual TDateTime LocalToUtc(TDateTime t) const = 0;
    TDateTime ConvertLocalUtc(bool toUtc, TDateTime t) const { return toUtc ? LocalToUtc(t) : UtcToLocal(t); }
    // The zone's name as calendars exchange it ("Europe/Vienna"; Windows' own names there), or ""
    // when the system does not tell.
    virtual std::string Name() const = 0;
};

// The system's time zone (defined in linux/ or windows/).
std::unique_ptr<TZeitzone> SystemZeitzone();
