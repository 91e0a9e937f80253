#pragma once

// What the iCalendar tests share: Vienna as the local zone, a clock fixed far from the test
// dates (so that lines carry dates, not "heute"), and the day lines of a calendar. On Windows the
// local zone is the system's, which a program cannot set for itself: there CTest starts the tests
// in Vienna's zone (wine takes its system zone from TZ, cmake/mingw-w64-x86_64.cmake).

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "model/TDaten.h"
#include "model/Uhr.h"
#include "platform/Zeitzone.h"
#include "views/TZeile.h"

class IcsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
#ifndef _WIN32
        setenv("TZ", "Europe/Vienna", 1);
        tzset();
#endif
    }
    void SetUp() override {
        TUhr::Festhalten(EncodeDate(2000, 1, 1));
    }
    void TearDown() override {
        TUhr::Stellen({});
    }

    std::unique_ptr<TZeitzone> Zone = SystemZeitzone();
};

// The entry lines of AVon..ABis as the day list shows them with every entry type and no empty days.
inline std::vector<std::string> Tageszeilen(TDaten& ADaten, TTag AVon, TTag ABis) {
    const TVonBisClass VonBis{AVon, ABis};
    std::vector<std::string> Texte;
    for (const TZeile& z : ADaten.Items(&VonBis, false, true, true, true, false, false)) {
        Texte.push_back(z.Text);
    }
    return Texte;
}
