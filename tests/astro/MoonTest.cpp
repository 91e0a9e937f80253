#include "astro/Moon.h"
#include "astro/E_OutOfAlgorithmRange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace {

constexpr TDateTime EineMinute = 1.0 / 1440;
constexpr TDateTime EineSekunde = 1.0 / 86400;

std::string Text(TDateTime AZeitpunkt) {
    return FormatDateTime("d.m.yyyy h:nn", AZeitpunkt);
}

// Every instant of APhase from AVon (inclusive) up to ABis (exclusive), in Universal Time.
std::vector<TDateTime> PhasenZwischen(TMoonPhase APhase, TDateTime AVon, TDateTime ABis) {
    std::vector<TDateTime> Ergebnis;
    for (TDateTime t = FollowingPhase(APhase, AVon); t < ABis; t = FollowingPhase(APhase, t + EineMinute)) {
        Ergebnis.push_back(t);
    }
    return Ergebnis;
}

std::vector<TDateTime> PhasenImJahr(TMoonPhase APhase, int AJahr) {
    return PhasenZwischen(APhase, EncodeDate(AJahr, 1, 1), EncodeDate(AJahr + 1, 1, 1));
}

size_t PhasenImMonat(TMoonPhase APhase, int AJahr, int AMonat) {
    const TTag Erster = EncodeDate(AJahr, AMonat, 1);
    return PhasenZwischen(APhase, Erster, IncMonth(Erster, 1)).size();
}

const TMoonPhase BeidePhasen[] = {TMoonPhase::mpNewMoon, TMoonPhase::mpFullMoon};

} // namespace

TEST(Moon, FirstPhasesOfTheYearToTheMinute) {
    struct Fall {
        TMoonPhase Phase;
        int Jahr;
        const char* Erwartet;
    } Faelle[] = {
        {TMoonPhase::mpNewMoon, 2000, "6.1.2000 18:14"},  {TMoonPhase::mpFullMoon, 2000, "21.1.2000 4:41"},
        {TMoonPhase::mpNewMoon, 2024, "11.1.2024 11:58"}, {TMoonPhase::mpFullMoon, 2024, "25.1.2024 17:55"},
        {TMoonPhase::mpNewMoon, 2025, "29.1.2025 12:37"}, {TMoonPhase::mpFullMoon, 2025, "13.1.2025 22:28"},
        {TMoonPhase::mpNewMoon, 2026, "18.1.2026 19:53"}, {TMoonPhase::mpFullMoon, 2026, "3.1.2026 10:04"},
    };
    for (const Fall& f : Faelle) {
        EXPECT_EQ(Text(FollowingPhase(f.Phase, EncodeDate(f.Jahr, 1, 1))), f.Erwartet)
            << "phase " << static_cast<int>(f.Phase) << ", year " << f.Jahr;
    }
}

// The method's own worked example: the new moon of February 1977 at JDE 2443192.65118.
TEST(Moon, NewMoonOfFebruary1977MatchesThePublishedExample) {
    const TDateTime Erwartet = 2443192.65118 - 2415018.5;
    EXPECT_NEAR(PhaseInstant(TMoonPhase::mpNewMoon, EncodeDate(1977, 2, 14)), Erwartet, EineSekunde);
}

TEST(Moon, PhasesPerYear) {
    struct Fall {
        int Jahr;
        size_t Neumonde;
        size_t Vollmonde;
    } Faelle[] = {
        {2020, 12, 13}, // the full moons of 1 and 31 October 2020
        {2024, 13, 12},
        {2025, 12, 12},
        {2026, 12, 13},
    };
    for (const Fall& f : Faelle) {
        EXPECT_EQ(PhasenImJahr(TMoonPhase::mpNewMoon, f.Jahr).size(), f.Neumonde) << f.Jahr;
        EXPECT_EQ(PhasenImJahr(TMoonPhase::mpFullMoon, f.Jahr).size(), f.Vollmonde) << f.Jahr;
    }
}

TEST(Moon, MonthsWithTwoFullMoonsOrNone) {
    struct Fall {
        int Jahr;
        int Monat;
        size_t Vollmonde;
    } Faelle[] = {
        {2018, 1, 2}, {2018, 2, 0}, {2018, 3, 2}, {2020, 10, 2}, {2023, 8, 2}, {2023, 9, 1},
    };
    for (const Fall& f : Faelle) {
        EXPECT_EQ(PhasenImMonat(TMoonPhase::mpFullMoon, f.Jahr, f.Monat), f.Vollmonde)
            << f.Monat << "/" << f.Jahr;
    }
}

// Over the whole calendar range no lunation is skipped or repeated: successive phases lie one
// (variable) lunation apart, and a new moon and a full moon alternate.
TEST(Moon, SuccessivePhasesAcrossTheCalendarRange) {
    const auto Neumonde = PhasenZwischen(TMoonPhase::mpNewMoon, KalenderAnfang, KalenderEnde + 1);
    const auto Vollmonde = PhasenZwischen(TMoonPhase::mpFullMoon, KalenderAnfang, KalenderEnde + 1);
    for (const auto* Liste : {&Neumonde, &Vollmonde}) {
        ASSERT_GT(Liste->size(), 2480u);
        EXPECT_LT(Liste->front(), KalenderAnfang + 29.9);
        EXPECT_GT(Liste->back(), KalenderEnde + 1 - 29.9);
        for (size_t i = 1; i < Liste->size(); ++i) {
            const TDateTime Abstand = (*Liste)[i] - (*Liste)[i - 1];
            ASSERT_GT(Abstand, 29.2) << Text((*Liste)[i]);
            ASSERT_LT(Abstand, 29.9) << Text((*Liste)[i]);
        }
    }
    // Each full moon lies between two new moons.
    size_t n = Neumonde.front() < Vollmonde.front() ? 0 : 1;
    for (size_t i = 0; i + 1 < Vollmonde.size() && n + 1 < Neumonde.size(); ++i, ++n) {
        ASSERT_LT(Neumonde[n], Vollmonde[i]) << Text(Vollmonde[i]);
        ASSERT_LT(Vollmonde[i], Neumonde[n + 1]) << Text(Vollmonde[i]);
    }
    for (int Jahr = 1900; Jahr <= 2100; ++Jahr) {
        for (TMoonPhase Phase : BeidePhasen) {
            const size_t Anzahl = PhasenImJahr(Phase, Jahr).size();
            ASSERT_TRUE(Anzahl == 12 || Anzahl == 13) << Jahr;
        }
    }
}

TEST(Moon, SearchNearAPhase) {
    for (TMoonPhase Phase : BeidePhasen) {
        const TDateTime Phase1 = FollowingPhase(Phase, EncodeDate(2025, 6, 1));
        const TDateTime Phase2 = FollowingPhase(Phase, Phase1 + 3.0 / 24);
        EXPECT_NEAR(Phase2 - Phase1, 29.53, 0.4);
        EXPECT_NEAR(FollowingPhase(Phase, Phase1 - 3.0 / 24), Phase1, EineSekunde);
        // The lunation number counts from 1.1.2000 12:00, about five days before the new moon of
        // lunation 0, so the nearest lunation's phase lies about 10 days before to 20 days after.
        EXPECT_NEAR(PhaseInstant(Phase, Phase1 + 5), Phase1, EineSekunde);
        EXPECT_NEAR(PhaseInstant(Phase, Phase1 - 15), Phase1, EineSekunde);
        EXPECT_NEAR(PhaseInstant(Phase, Phase1 + 15), Phase2, EineSekunde);
    }
}

static_assert(std::is_base_of_v<EFehler, E_OutOfAlgorithmRange>, "callers catch the program's errors");

TEST(Moon, NoInstantPossible) {
    struct Fall {
        TDateTime Zeitpunkt;
        bool PhaseInstantKeine; // the nearest lunation has no instant either
    } Faelle[] = {
        {std::numeric_limits<double>::quiet_NaN(), true},
        {std::numeric_limits<double>::infinity(), true},
        {-std::numeric_limits<double>::infinity(), true},
        {1e300, true},
        {-1e300, true},
        {EncodeDate(10000, 1, 1), true},
        {EncodeDate(9999, 12, 31) + 0.999, false}, // the following phases lie in the year 10000
    };
    for (const Fall& f : Faelle) {
        for (TMoonPhase Phase : BeidePhasen) {
            if (f.PhaseInstantKeine) {
                EXPECT_EQ(PhaseInstant(Phase, f.Zeitpunkt), 0) << f.Zeitpunkt;
            }
            try {
                FollowingPhase(Phase, f.Zeitpunkt);
                ADD_FAILURE() << "no error for " << f.Zeitpunkt;
            } catch (const E_OutOfAlgorithmRange& e) {
                EXPECT_STREQ(e.what(), "No TDateTime possible");
            }
        }
    }
    // A phase value without published terms (first quarter) has no instant either.
    const auto ErstesViertel = static_cast<TMoonPhase>(2);
    EXPECT_EQ(PhaseInstant(ErstesViertel, EncodeDate(2025, 1, 1)), 0);
    EXPECT_THROW(FollowingPhase(ErstesViertel, EncodeDate(2025, 1, 1)), E_OutOfAlgorithmRange);
}
