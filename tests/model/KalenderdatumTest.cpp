#include "model/Kalenderdatum.h"
#include "model/Uhr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Kalenderdatum, DayNumbersMatchTheEpoch) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(KalenderAnfang, 2);
    EXPECT_EQ(EncodeDate(2025, 1, 1), 45658);
    EXPECT_EQ(KalenderEnde, 73415);
    for (TTag t = -1000; t < 80000; t += 7) {
        const TJMT d = DecodeDate(t);
        ASSERT_EQ(EncodeDate(d.Jahr, d.Monat, d.Tag), t);
    }
}

TEST(Kalenderdatum, Weekdays) {
    EXPECT_EQ(Wochentag(EncodeDate(2025, 1, 5)), 0); // Sunday
    EXPECT_EQ(Wochentag(EncodeDate(2025, 1, 6)), 1);
    EXPECT_EQ(IsoWochentag(EncodeDate(2025, 1, 5)), 7);
    EXPECT_EQ(Wochentag(0), 6); // 30.12.1899 was a Saturday
}

TEST(Kalenderdatum, IncMonthClipsToTheMonthsEnd) {
    struct Fall {
        TTag Von;
        int Monate;
        TTag Erwartet;
    } Faelle[] = {
        {EncodeDate(2025, 1, 31), 1, EncodeDate(2025, 2, 28)},
        {EncodeDate(2024, 2, 29), 12, EncodeDate(2025, 2, 28)},
        {EncodeDate(2024, 2, 29), 48, EncodeDate(2028, 2, 29)},
        {EncodeDate(2024, 11, 30), 3, EncodeDate(2025, 2, 28)},
        {EncodeDate(2025, 3, 31), -1, EncodeDate(2025, 2, 28)},
        {EncodeDate(2025, 12, 15), 1, EncodeDate(2026, 1, 15)},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(IncMonth(f.Von, f.Monate), f.Erwartet) << DatumText(f.Von) << " + " << f.Monate;
    }
}

TEST(Kalenderdatum, FormatsWithGermanNames) {
    const TDateTime t = EncodeDate(2025, 1, 5) + (9 * 60 + 7) / 1440.0;
    EXPECT_EQ(FormatDateTime("dddd, d. mmmm yyyy, h:nn", t), "Sonntag, 5. Jänner 2025, 9:07");
    EXPECT_EQ(FormatDateTime("ddd dd.mm.yy hh:mm", t), "So 05.01.25 09:07");
    EXPECT_EQ(FormatDateTime("d. mmm yyyy \"Uhr\"", EncodeDate(2025, 3, 2)), "2. Mär 2025 Uhr");
    EXPECT_EQ(DatumText(EncodeDate(2100, 12, 31)), "31.12.2100");
}

// An instant is split at the millisecond and every part below the one shown is dropped: the new
// moon of 13.7.1999 at 02:24:59.98 is shown in minute 24.
TEST(Kalenderdatum, TimesDropTheSecondsAndTheirParts) {
    const auto Um = [](int h, int n, double s) {
        return EncodeDate(1999, 7, 13) + (h * 3600 + n * 60 + s) / 86400.0;
    };
    const struct {
        TDateTime Zeitpunkt;
        const char* Minuten;
        const char* Sekunden;
    } Faelle[] = {
        {Um(2, 24, 59.98), "02:24", "02:24:59"},
        {Um(2, 24, 59.4), "02:24", "02:24:59"},
        {Um(9, 59, 59.9999), "10:00", "10:00:00"}, // a stored 10:00 a hair short of it
        {Um(23, 59, 59.9), "23:59", "23:59:59"},
        {Um(23, 59, 59.99999), "23:59", "23:59:59"}, // never into the next day
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(FormatDateTime("hh:nn", f.Zeitpunkt), f.Minuten) << f.Sekunden;
        EXPECT_EQ(FormatDateTime("hh:nn:ss", f.Zeitpunkt), f.Sekunden);
        EXPECT_EQ(FormatDateTime("dd.mm.yyyy", f.Zeitpunkt), "13.07.1999") << f.Sekunden;
    }
    // Out of range or not a number there is no time of day to split, and nothing goes wrong.
    for (const TDateTime Unsinn : {std::nan(""), 1e300, -1e300}) {
        EXPECT_EQ(FormatDateTime("hh:nn:ss", Unsinn), "00:00:00") << Unsinn;
    }
}

TEST(Uhr, CanBeFixedAndRestored) {
    TUhr::Festhalten(EncodeDate(2025, 6, 1) + 0.5);
    EXPECT_EQ(TUhr::Heute(), EncodeDate(2025, 6, 1));
    TUhr::Stellen({});
    EXPECT_GT(TUhr::Heute(), EncodeDate(2020, 1, 1));
}

TEST(Kalenderdatum, TagVonNeverOverflows) {
    EXPECT_EQ(TagVon(45352.75), 45352);
    EXPECT_EQ(TagVon(-0.25), -1);
    EXPECT_EQ(TagVon(1e300), 2000000000);
    EXPECT_EQ(TagVon(-1e300), -2000000000);
    EXPECT_EQ(TagVon(std::numeric_limits<double>::quiet_NaN()), -2000000000);
}

TEST(Kalenderdatum, ReadsOnlyTheShortDateFormat) {
    struct Fall {
        const char* Text;
        bool Gueltig;
        TTag Datum;
    } Faelle[] = {
        {"06.01.2025", true, EncodeDate(2025, 1, 6)},
        {"29.02.2024", true, EncodeDate(2024, 2, 29)},
        {"29.02.2025", false, 0},
        {"6.1.2025", false, 0},
        {"06.01.25", false, 0},
        {"06-01-2025", false, 0},
        {"06.01.2025 ", false, 0},
        {"0a.01.2025", false, 0},
        {"00.01.2025", false, 0},
        {"", false, 0},
    };
    for (const auto& f : Faelle) {
        TTag Datum = 0;
        EXPECT_EQ(DatumLesen(f.Text, Datum), f.Gueltig) << f.Text;
        if (f.Gueltig) {
            EXPECT_EQ(Datum, f.Datum) << f.Text;
            EXPECT_EQ(DatumText(Datum), f.Text);
        }
    }
}
