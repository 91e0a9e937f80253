#include "platform/linux/PosixZeitzone.h"

#include "Umgebung.h"

#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace {

constexpr double Stunde = 1.0 / 24.0;
constexpr double Millisekunde = 1.0 / 86400000.0;

// A zone with daylight saving time written as a rule, so that no zone database is needed.
class PosixZeitzoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        Umgebung.emplace();
        Umgebung->Setzen("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    }
    void TearDown() override {
        Umgebung.reset();
        tzset();
    }
    std::optional<TUmgebung> Umgebung;
    TPosixZeitzone Zone;
};

TEST_F(PosixZeitzoneTest, ConvertsWithTheRuleInForceAtTheInstant) {
    struct TFall {
        TDateTime Utc;
        TDateTime Lokal;
    };
    const std::vector<TFall> Faelle = {
        {EncodeDate(2025, 1, 15) + 10 * Stunde, EncodeDate(2025, 1, 15) + 11 * Stunde},
        {EncodeDate(2025, 7, 15) + 10 * Stunde, EncodeDate(2025, 7, 15) + 12 * Stunde},
        // Across midnight and the year's end.
        {EncodeDate(2025, 12, 31) + 23.5 * Stunde, EncodeDate(2026, 1, 1) + 0.5 * Stunde},
        // Daylight saving starts at 1:00 UTC on 30.3.2025.
        {EncodeDate(2025, 3, 30) + 0.75 * Stunde, EncodeDate(2025, 3, 30) + 1.75 * Stunde},
        {EncodeDate(2025, 3, 30) + 1.25 * Stunde, EncodeDate(2025, 3, 30) + 3.25 * Stunde},
    };
    for (const TFall& f : Faelle) {
        EXPECT_NEAR(Zone.UtcToLocal(f.Utc), f.Lokal, Millisekunde) << f.Utc;
        EXPECT_NEAR(Zone.LocalToUtc(f.Lokal), f.Utc, Millisekunde) << f.Lokal;
        EXPECT_NEAR(Zone.ConvertLocalUtc(true, f.Lokal), f.Utc, Millisekunde);
        EXPECT_NEAR(Zone.ConvertLocalUtc(false, f.Utc), f.Lokal, Millisekunde);
    }
}

// The name calendars exchange: TZ as a name, with the C library's leading colon, or as a path
// into the zone database; a rule stands as it is.
TEST_F(PosixZeitzoneTest, TheNameComesFromTZ) {
    const std::pair<const char*, const char*> Faelle[] = {
        {"Europe/Vienna", "Europe/Vienna"},
        {":America/New_York", "America/New_York"},
        {"/usr/share/zoneinfo/Asia/Tokyo", "Asia/Tokyo"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "CET-1CEST,M3.5.0,M10.5.0/3"},
    };
    for (const auto& [Tz, Name] : Faelle) {
        Umgebung->Setzen("TZ", Tz);
        EXPECT_EQ(Zone.Name(), Name) << Tz;
    }
}

TEST_F(PosixZeitzoneTest, SummerTimeIsOneHourEarlierInUniversalTimeThanWinterTime) {
    const double Winter = EncodeDate(2025, 1, 10) + 12 * Stunde;
    const double Sommer = EncodeDate(2025, 7, 10) + 12 * Stunde;
    EXPECT_NEAR((Sommer - Zone.LocalToUtc(Sommer)) - (Winter - Zone.LocalToUtc(Winter)), Stunde,
                Millisekunde);
}

TEST_F(PosixZeitzoneTest, KeepsTheFractionOfASecond) {
    const double t = EncodeDate(2025, 1, 15) + 10 * Stunde + 1234 * Millisekunde;
    EXPECT_NEAR(Zone.UtcToLocal(t) - t, Stunde, Millisekunde / 10);
    EXPECT_NEAR(t - Zone.LocalToUtc(t), Stunde, Millisekunde / 10);
}

TEST_F(PosixZeitzoneTest, InstantsOutsideTheCalendarAreReturnedUnchanged) {
    for (double t :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300, -1e7}) {
        EXPECT_TRUE(Zone.UtcToLocal(t) == t || (std::isnan(t) && std::isnan(Zone.UtcToLocal(t))));
        EXPECT_TRUE(Zone.LocalToUtc(t) == t || (std::isnan(t) && std::isnan(Zone.LocalToUtc(t))));
    }
}

TEST_F(PosixZeitzoneTest, UniversalTimeZoneChangesNothing) {
    Umgebung->Setzen("TZ", "UTC0");
    const double t = EncodeDate(2025, 7, 15) + 10 * Stunde;
    EXPECT_NEAR(Zone.UtcToLocal(t), t, Millisekunde);
    EXPECT_NEAR(Zone.LocalToUtc(t), t, Millisekunde);
}

} // namespace
