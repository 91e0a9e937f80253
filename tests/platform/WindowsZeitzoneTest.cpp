#include "platform/windows/WindowsZeitzone.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double Stunde = 1.0 / 24.0;
constexpr double Millisekunde = 1.0 / 86400000.0;

// Central European time as Windows describes it: one hour east of UTC, summer time from the last
// Sunday of March at 2:00 to the last Sunday of October at 3:00.
TIME_ZONE_INFORMATION Mitteleuropa() {
    TIME_ZONE_INFORMATION z{};
    z.Bias = -60;
    z.StandardDate = SYSTEMTIME{0, 10, 0, 5, 3, 0, 0, 0};
    z.DaylightDate = SYSTEMTIME{0, 3, 0, 5, 2, 0, 0, 0};
    z.DaylightBias = -60;
    return z;
}

TEST(WindowsZeitzone, ConvertsWithTheRuleInForceAtTheInstant) {
    const TWindowsZeitzone Zone(Mitteleuropa());
    struct TFall {
        TDateTime Utc;
        TDateTime Lokal;
    };
    const TFall Faelle[] = {
        {EncodeDate(2025, 1, 15) + 10 * Stunde, EncodeDate(2025, 1, 15) + 11 * Stunde},
        {EncodeDate(2025, 7, 15) + 10 * Stunde, EncodeDate(2025, 7, 15) + 12 * Stunde},
        // Across midnight and the year's end.
        {EncodeDate(2025, 12, 31) + 23.5 * Stunde, EncodeDate(2026, 1, 1) + 0.5 * Stunde},
        // Summer time starts at 1:00 UTC on 30.3.2025.
        {EncodeDate(2025, 3, 30) + 0.75 * Stunde, EncodeDate(2025, 3, 30) + 1.75 * Stunde},
        {EncodeDate(2025, 3, 30) + 1.25 * Stunde, EncodeDate(2025, 3, 30) + 3.25 * Stunde},
        // The fraction of a second stays.
        {EncodeDate(2025, 1, 15) + 10 * Stunde + 1234 * Millisekunde,
         EncodeDate(2025, 1, 15) + 11 * Stunde + 1234 * Millisekunde},
    };
    for (const TFall& f : Faelle) {
        EXPECT_NEAR(Zone.UtcToLocal(f.Utc), f.Lokal, Millisekunde / 10) << f.Utc;
        EXPECT_NEAR(Zone.LocalToUtc(f.Lokal), f.Utc, Millisekunde / 10) << f.Lokal;
    }
}

TEST(WindowsZeitzone, InstantsOutsideWhatWindowsConvertsAreReturnedUnchanged) {
    const TWindowsZeitzone Zone(Mitteleuropa());
    for (double t : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300,
                     -1e7, double(EncodeDate(1600, 12, 31))}) {
        EXPECT_TRUE(Zone.UtcToLocal(t) == t || (std::isnan(t) && std::isnan(Zone.UtcToLocal(t))));
        EXPECT_TRUE(Zone.LocalToUtc(t) == t || (std::isnan(t) && std::isnan(Zone.LocalToUtc(t))));
    }
    // The first day Windows knows is converted.
    EXPECT_NEAR(Zone.UtcToLocal(EncodeDate(1601, 1, 1)), EncodeDate(1601, 1, 1) + Stunde, Millisekunde);
}

TEST(WindowsZeitzone, TheSystemsZoneConvertsThereAndBack) {
    const TWindowsZeitzone Zone;
    const double t = EncodeDate(2025, 7, 15) + 10 * Stunde;
    EXPECT_NEAR(Zone.LocalToUtc(Zone.UtcToLocal(t)), t, Millisekunde);
}

} // namespace
