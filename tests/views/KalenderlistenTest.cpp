#include "views/TKalenderlisten.h"
#include "views/ViewsHilfen.h"

namespace {

const TKalenderlisten& Listen() {
    static const TKalenderlisten l;
    return l;
}

struct TPeriodenFall {
    TTagesansicht Ansicht;
    const char* Name;
    TTag Von;
    TTag Bis;
};

} // namespace

TEST(Kalenderlisten, CountsAndCoverage) {
    const TKalenderlisten& l = Listen();
    EXPECT_EQ(l.Jahresliste.Count(), 201);
    EXPECT_EQ(l.Monatsliste.Count(), 2412);
    EXPECT_EQ(l.Wochenliste.Count(), 10488);
    // Each list runs without gap or overlap from the first to the last day of the calendar.
    for (TTagesansicht a : {taJahr, taMonat, taWoche}) {
        const TPeriodenliste& p = l.Liste(a);
        EXPECT_EQ(p[0].VonBis.Von, KalenderAnfang);
        EXPECT_EQ(p.Last().VonBis.Bis, KalenderEnde);
        for (std::int32_t i = 0; i < p.Count(); ++i) {
            // Labels are unique and found again.
            ASSERT_EQ(p.IndexOf(p[i].Name), i) << p[i].Name;
            if (i > 0) {
                ASSERT_EQ(p[i].VonBis.Von, p[i - 1].VonBis.Bis + 1) << p[i].Name;
            }
        }
    }
    for (std::int32_t i = 0; i + 1 < l.Wochenliste.Count(); ++i) {
        const TVonBisClass& w = l.Wochenliste[i].VonBis;
        ASSERT_EQ(w.Bis - w.Von, 6) << l.Wochenliste[i].Name;
        ASSERT_EQ(IsoWochentag(w.Von), 1) << l.Wochenliste[i].Name;
    }
}

TEST(Kalenderlisten, LabelsAndRanges) {
    const TPeriodenFall Faelle[] = {
        {taJahr, "1900", D(1, 1, 1900), D(31, 12, 1900)},
        {taJahr, "2024", D(1, 1, 2024), D(31, 12, 2024)},
        {taJahr, "2100", D(1, 1, 2100), D(31, 12, 2100)},
        {taMonat, "1/1900", D(1, 1, 1900), D(31, 1, 1900)},
        {taMonat, "2/2024", D(1, 2, 2024), D(29, 2, 2024)},
        {taMonat, "12/2100", D(1, 12, 2100), D(31, 12, 2100)},
        {taWoche, "W1/1900", D(1, 1, 1900), D(7, 1, 1900)},
        {taWoche, "W1/2024-2025", D(30, 12, 2024), D(5, 1, 2025)},
        {taWoche, "W52/2024", D(23, 12, 2024), D(29, 12, 2024)},
        {taWoche, "W53/2020-2021", D(28, 12, 2020), D(3, 1, 2021)},
        {taWoche, "W1/2021", D(4, 1, 2021), D(10, 1, 2021)},
        {taWoche, "W52/2025", D(22, 12, 2025), D(28, 12, 2025)},
        {taWoche, "W1/2025-2026", D(29, 12, 2025), D(4, 1, 2026)},
        {taWoche, "W52/2100", D(27, 12, 2100), D(31, 12, 2100)},
    };
    for (const auto& f : Faelle) {
        const TPeriodenliste& p = Listen().Liste(f.Ansicht);
        const std::int32_t i = p.IndexOf(f.Name);
        ASSERT_GE(i, 0) << f.Name;
        EXPECT_EQ(p[i].Name, f.Name);
        EXPECT_EQ(p[i].VonBis.Von, f.Von) << f.Name;
        EXPECT_EQ(p[i].VonBis.Bis, f.Bis) << f.Name;
    }
    EXPECT_EQ(Listen().Wochenliste.Last().Name, "W52/2100");
    // Only the combined label names a week over New Year.
    EXPECT_EQ(Listen().Wochenliste.IndexOf("W1/2025"), -1);
    EXPECT_EQ(Listen().Wochenliste.IndexOf("W53/2020"), -1);
}

TEST(Kalenderlisten, LookupIgnoresLetterCase) {
    const TPeriodenliste& w = Listen().Wochenliste;
    EXPECT_EQ(w.IndexOf("w1/2024-2025"), w.IndexOf("W1/2024-2025"));
    EXPECT_EQ(Listen().Monatsliste.IndexOf("13/2025"), -1);
    EXPECT_EQ(Listen().Jahresliste.IndexOf("2101"), -1);
    EXPECT_EQ(Listen().Jahresliste.IndexOf(""), -1);
}

TEST(Kalenderlisten, LabelOfEveryDayNamesItsPeriod) {
    for (TTagesansicht a : {taJahr, taMonat, taWoche}) {
        const TPeriodenliste& p = Listen().Liste(a);
        std::int32_t i = 0;
        for (TTag d = KalenderAnfang; d <= KalenderEnde; ++d) {
            if (d > p[i].VonBis.Bis) {
                ++i;
            }
            ASSERT_EQ(DatumInTagesansicht(a, d), p[i].Name) << DatumText(d);
        }
    }
    EXPECT_EQ(DatumInTagesansicht(taWoche, D(31, 12, 2024)), "W1/2024-2025");
    EXPECT_EQ(DatumInTagesansicht(taMonat, D(31, 12, 2024)), "12/2024");
    EXPECT_EQ(DatumInTagesansicht(taJahr, D(31, 12, 2024)), "2024");
}
