#pragma once

// A time zone as Windows describes it: the user's zone set in the system, or a fixed zone given
// as the system's own structure (its bias and the daylight-saving rule).

#include <windows.h>

#include <optional>

#include "platform/Zeitzone.h"

class TWindowsZeitzone : public TZeitzone {
public:
    // The zone the system is set to, read at each conversion.
    TWindowsZeitzone() = default;
    explicit TWindowsZeitzone(const TIME_ZONE_INFORMATION& AZone) : FZone(AZone) {}

    TDateTime UtcToLocal(TDateTime t) const override;
    TDateTime LocalToUtc(TDateTime t) const override;
    // The system's key name of the zone ("W. Europe Standard Time"); "" for a fixed zone.
    std::string Name() const override;

private:
    std::optional<TIME_ZONE_INFORMATION> FZone;
};
