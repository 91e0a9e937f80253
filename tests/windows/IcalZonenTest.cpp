#include "platform/windows/IcalZonen.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <string>

#include "icalendar/IcsZeit.h"
#include "platform/Zeitzone.h"

namespace {

struct TFall {
    const char* Id;
    const char* Gebiet;
    const char* Erwartet;
};

// A Windows zone id names the zone of the user's country where it has one, else its main zone;
// of a country's several zones the first.
TEST(IcalZonen, WindowsIdsBecomeTheZoneOfTheUsersCountry) {
    const TFall Faelle[] = {
        {"W. Europe Standard Time", "AT", "Europe/Vienna"},
        {"W. Europe Standard Time", "US", "Europe/Berlin"},
        {"W. Europe Standard Time", "", "Europe/Berlin"},
        {"Central Europe Standard Time", "AT", "Europe/Budapest"},
        {"Eastern Standard Time", "US", "America/New_York"},
        {"UTC", "AT", "Etc/UTC"},
        {"Keine Zone", "AT", ""},
        {"", "", ""},
    };
    for (const TFall& f : Faelle) {
        EXPECT_EQ(ZonennameAusWindows(f.Id, f.Gebiet), f.Erwartet) << f.Id << " / " << f.Gebiet;
    }
}

// The main zones of Central Europe reach libical's zone data through the local zone's name: CTest
// runs the tests in Vienna's zone, whose name TZ gives as on Linux.
TEST(IcalZonen, TheLocalZoneIsOneLibicalKnows) {
    const std::string Name = IcsZonenname(*SystemZeitzone());
    EXPECT_EQ(Name, "Europe/Vienna");
    icaltimezone* Zone = icaltimezone_get_builtin_timezone(Name.c_str());
    ASSERT_NE(Zone, nullptr);
    EXPECT_NE(icaltimezone_get_component(Zone), nullptr);
    for (const char* Id :
         {"W. Europe Standard Time", "Central Europe Standard Time", "Romance Standard Time"}) {
        EXPECT_NE(icaltimezone_get_builtin_timezone(ZonennameAusWindows(Id, "").c_str()), nullptr) << Id;
    }
}

} // namespace
