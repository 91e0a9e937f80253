#include "controls/TDatePicker.h"

#include <cmath>
#include <gtest/gtest.h>

#include "controls/PickerSkript.h"
#include "model/Uhr.h"

namespace {

TTag D(const char* AText) {
    TTag Tag = 0;
    EXPECT_TRUE(DatumLesen(AText, Tag)) << AText;
    return Tag;
}

// A picker over the program's calendar range, showing AStart with field AFeld selected.
struct TKalenderPicker {
    TDatePicker Picker;
    TKalenderPicker(const char* AStart, int AFeld) {
        Picker.SetMinDatum(KalenderAnfang);
        Picker.SetMaxDatum(KalenderEnde);
        Picker.SetDatum(D(AStart));
        Picker.SetMarkiereNr(AFeld);
    }
};

struct TFall {
    const char* Name;
    const char* Start;
    int Feld;
    const char* Skript;
    const char* Text;
    int SelStart;
    int SelLaenge;
    int Pieptoene;
    const char* Gelesen; // Datum read afterwards
};

constexpr int W = TDatePicker::FeldWochentag;
constexpr int T = TDatePicker::FeldTag;
constexpr int M = TDatePicker::FeldMonat;
constexpr int J = TDatePicker::FeldJahr;

void Pruefe(const TFall& F) {
    SCOPED_TRACE(F.Name);
    TKalenderPicker k(F.Start, F.Feld);
    EXPECT_EQ(SpieleSkript(k.Picker, F.Skript), F.Pieptoene);
    EXPECT_EQ(k.Picker.Text(), F.Text);
    EXPECT_EQ(k.Picker.SelStart(), F.SelStart);
    EXPECT_EQ(k.Picker.SelLaenge(), F.SelLaenge);
    EXPECT_EQ(k.Picker.Datum(), D(F.Gelesen));
    EXPECT_EQ(k.Picker.Text().size(), 15u);
}

TEST(TDatePicker, TypingDigitsFillsTheFieldAndCorrectsItWhenLeft) {
    const TFall Faelle[] = {
        {"4 and 5 move on and give 31", "04.03.2024", T, "45", "So, 31.03.2024 ", 7, 2, 0, "31.03.2024"},
        {"one digit waits for the next", "04.03.2024", T, "7", "Mo, 7_.03.2024 ", 5, 0, 0, "07.03.2024"},
        {"7 then Right gives 07", "04.03.2024", T, "7 >", "Do, 07.03.2024 ", 7, 2, 0, "07.03.2024"},
        {"3 then Left fills and refreshes the weekday", "04.03.2024", T, "3 <", "So, 03.03.2024 ", 0, 2, 0,
         "03.03.2024"},
        {"two zeros in the day restore it", "04.03.2024", T, "00", "Mo, 04.03.2024 ", 7, 2, 0, "04.03.2024"},
        {"two zeros in the month restore it", "04.03.2024", M, "00", "Mo, 04.03.2024 ", 10, 4, 0,
         "04.03.2024"},
        {"13 in the month gives 12", "04.03.2024", M, "13", "Mi, 04.12.2024 ", 10, 4, 0, "04.12.2024"},
        {"Backspace shows placeholders", "04.03.2024", T, "BS", "Mo, __.03.2024 ", 4, 2, 0, "04.03.2024"},
        {"Backspace and leaving restore", "04.03.2024", T, "BS >", "Mo, 04.03.2024 ", 7, 2, 0, "04.03.2024"},
        {"Backspace in the year", "04.03.2024", J, "BS", "Mo, 04.03.____ ", 10, 4, 0, "04.03.2024"},
        {"Backspace then one digit", "04.03.2024", T, "BS 9 >", "Sa, 09.03.2024 ", 7, 2, 0, "09.03.2024"},
        {"year, first digit", "04.03.2024", J, "1", "Mo, 04.03.1___ ", 11, 0, 0, "04.03.1900"},
        {"year, second digit", "04.03.2024", J, "19", "Mo, 04.03.19__ ", 12, 0, 0, "04.03.1900"},
        {"year, third digit", "04.03.2024", J, "199", "Mo, 04.03.199_ ", 13, 0, 0, "04.03.1900"},
        {"year, fourth digit stays in the field", "04.03.2024", J, "1995", "Mo, 04.03.1995 ", 14, 0, 0,
         "04.03.1995"},
        {"a fifth year digit beeps", "04.03.2024", J, "19956", "Mo, 04.03.1995 ", 14, 0, 1, "04.03.1995"},
        {"the weekday follows the year", "04.03.2024", J, "1995 <", "Sa, 04.03.1995 ", 7, 2, 0, "04.03.1995"},
        {"a year below the minimum", "04.03.2024", J, "18 <", "So, 04.03.1900 ", 7, 2, 0, "04.03.1900"},
        {"one year digit below the minimum", "04.03.2024", J, "2 <", "So, 04.03.1900 ", 7, 2, 0,
         "04.03.1900"},
        {"a year above the maximum", "04.03.2024", J, "2345 <", "Do, 04.03.2100 ", 7, 2, 0, "04.03.2100"},
        {"29.02. typed into a non-leap year", "15.02.2023", T, "29", "Mi, 29.02.2023 ", 7, 2, 0,
         "28.02.2023"},
        {"31.02. in a non-leap year", "15.02.2023", T, "31", "Mi, 31.02.2023 ", 7, 2, 0, "28.02.2023"},
        {"30.02. in a leap year", "15.02.2024", T, "30", "Do, 30.02.2024 ", 7, 2, 0, "29.02.2024"},
        {"a non-leap year typed under 29.02.", "29.02.2024", J, "2023 <", "Do, 29.02.2023 ", 7, 2, 0,
         "28.02.2023"},
    };
    for (const TFall& F : Faelle) {
        Pruefe(F);
    }
}

TEST(TDatePicker, SteppingStopsAtTheFieldsEndsAndCrossesMonthsByWeeks) {
    const TFall Faelle[] = {
        {"Down on day 1 does nothing", "01.03.2024", T, "v", "Fr, 01.03.2024 ", 4, 2, 0, "01.03.2024"},
        {"Up on the 31st does nothing", "31.03.2024", T, "^", "So, 31.03.2024 ", 4, 2, 0, "31.03.2024"},
        {"Up on 28.02. of a non-leap year", "28.02.2023", T, "^", "Di, 28.02.2023 ", 4, 2, 0, "28.02.2023"},
        {"Up on 28.02. of a leap year", "28.02.2024", T, "^", "Do, 29.02.2024 ", 4, 2, 0, "29.02.2024"},
        {"Page Up on the 30th of a 31-day month", "30.01.2024", T, "BA", "Di, 06.02.2024 ", 4, 2, 0,
         "06.02.2024"},
        {"Page Up across a leap day", "28.02.2024", T, "BA", "Mi, 06.03.2024 ", 4, 2, 0, "06.03.2024"},
        {"Page Down across a leap month", "03.03.2024", T, "BB", "So, 25.02.2024 ", 4, 2, 0, "25.02.2024"},
        {"a typed day is checked before the step", "04.03.2024", T, "3 ^", "Mo, 04.03.2024 ", 4, 2, 0,
         "04.03.2024"},
        {"weekday Up across the month end", "31.01.2024", W, "^", "Do, 01.02.2024 ", 0, 2, 0, "01.02.2024"},
        {"weekday Page Down", "31.01.2024", W, "BB", "Mi, 24.01.2024 ", 0, 2, 0, "24.01.2024"},
        {"month Up cuts 31.01. to 29.02.", "31.01.2024", M, "^", "Do, 29.02.2024 ", 7, 2, 0, "29.02.2024"},
        {"month Up cuts 31.01. to 28.02.", "31.01.2023", M, "^", "Di, 28.02.2023 ", 7, 2, 0, "28.02.2023"},
        {"month Down in January does nothing", "31.01.2024", M, "v", "Mi, 31.01.2024 ", 7, 2, 0,
         "31.01.2024"},
        {"month Up in December does nothing", "15.12.2024", M, "^", "So, 15.12.2024 ", 7, 2, 0, "15.12.2024"},
        {"month Page Up moves seven months", "15.03.2024", M, "BA", "Di, 15.10.2024 ", 7, 2, 0, "15.10.2024"},
        {"month Page Up into the next year", "15.08.2024", M, "BA", "Sa, 15.03.2025 ", 7, 2, 0, "15.03.2025"},
        {"year Up from a leap day", "29.02.2024", J, "^", "Fr, 28.02.2025 ", 10, 4, 0, "28.02.2025"},
        {"year Page Up moves one year", "29.02.2024", J, "BA", "Fr, 28.02.2025 ", 10, 4, 0, "28.02.2025"},
        {"year Down in the first year", "04.03.1900", J, "v", "Mo, 01.01.1900 ", 10, 4, 0, "01.01.1900"},
        {"year Up in the last year", "04.03.2100", J, "^", "Fr, 31.12.2100 ", 10, 4, 0, "31.12.2100"},
        {"weekday Up at the calendar end", "31.12.2100", W, "^", "Fr, 31.12.2100 ", 0, 2, 0, "31.12.2100"},
        {"weekday Down at the calendar start", "01.01.1900", W, "v", "Mo, 01.01.1900 ", 0, 2, 0,
         "01.01.1900"},
        {"day Down at the calendar start", "01.01.1900", T, "v BB", "Mo, 01.01.1900 ", 4, 2, 0, "01.01.1900"},
        {"month Down at the calendar start", "01.01.1900", M, "v", "Mo, 01.01.1900 ", 7, 2, 0, "01.01.1900"},
        {"day Page Up near the calendar end", "30.12.2100", T, "BA", "Fr, 31.12.2100 ", 4, 2, 0,
         "31.12.2100"},
    };
    for (const TFall& F : Faelle) {
        Pruefe(F);
    }
}

TEST(TDatePicker, KeysMoveBetweenFieldsAndInvalidKeysAreIgnored) {
    const TFall Faelle[] = {
        {"Left in the weekday stays", "04.03.2024", W, "<", "Mo, 04.03.2024 ", 0, 2, 0, "04.03.2024"},
        {"Right in the year stays", "04.03.2024", J, ">", "Mo, 04.03.2024 ", 10, 4, 0, "04.03.2024"},
        {"Home", "04.03.2024", M, "Pos1", "Mo, 04.03.2024 ", 0, 2, 0, "04.03.2024"},
        {"End", "04.03.2024", W, "Ende", "Mo, 04.03.2024 ", 10, 4, 0, "04.03.2024"},
        {"Right, Right", "04.03.2024", T, "> >", "Mo, 04.03.2024 ", 10, 4, 0, "04.03.2024"},
        {"letters and separators", "04.03.2024", T, "a . - + _", "Mo, 04.03.2024 ", 4, 2, 0, "04.03.2024"},
        {"a letter while typing", "04.03.2024", T, "4 x", "Mo, 4_.03.2024 ", 5, 0, 0, "04.03.2024"},
        {"digits in the weekday", "04.03.2024", W, "12", "Mo, 04.03.2024 ", 0, 2, 0, "04.03.2024"},
        {"Backspace in the weekday", "04.03.2024", W, "BS", "Mo, 04.03.2024 ", 0, 2, 0, "04.03.2024"},
        {"Delete does nothing", "04.03.2024", T, "Entf", "Mo, 04.03.2024 ", 4, 2, 0, "04.03.2024"},
        {"a click in the year", "04.03.2024", T, "Maus:12", "Mo, 04.03.2024 ", 10, 4, 0, "04.03.2024"},
        {"a click in the same field leaves the caret", "04.03.2024", T, "Maus:5", "Mo, 04.03.2024 ", 5, 0, 0,
         "04.03.2024"},
        {"a click leaves a typed day checked", "04.03.2024", T, "7 Maus:1", "Do, 07.03.2024 ", 0, 2, 0,
         "07.03.2024"},
    };
    for (const TFall& F : Faelle) {
        Pruefe(F);
    }
}

TEST(TDatePicker, MouseReleaseChoosesTheFieldFromTheCaret) {
    const int Feld[16] = {W, W, W, W, T, T, T, M, M, M, J, J, J, J, J, J};
    for (int p = 0; p < 16; ++p) {
        TKalenderPicker k("04.03.2024", p < 4 ? J : W);
        k.Picker.MausLos(p);
        EXPECT_EQ(k.Picker.MarkiereNr(), Feld[p]) << "caret " << p;
    }
}

TEST(TDatePicker, ReadOnlyBeepsAtEveryChangeAndStillMovesBetweenFields) {
    for (const char* Skript : {"^", "v", "BA", "BB", "Entf", "BS", "5", "a"}) {
        TKalenderPicker k("04.03.2024", T);
        k.Picker.SetReadOnlyS(true);
        EXPECT_EQ(SpieleSkript(k.Picker, Skript), 1) << Skript;
        EXPECT_EQ(k.Picker.Text(), "Mo, 04.03.2024 ") << Skript;
    }
    TKalenderPicker k("04.03.2024", T);
    k.Picker.SetReadOnlyS(true);
    EXPECT_EQ(SpieleSkript(k.Picker, "> Ende <"), 0);
    EXPECT_EQ(k.Picker.MarkiereNr(), M);
}

TEST(TDatePicker, WritingTheDateClampsToTheRangeAndCutsTheTime) {
    TKalenderPicker k("04.03.2024", T);
    k.Picker.SetDatum(D("04.03.2024") + 0.75);
    EXPECT_EQ(k.Picker.Text(), "Mo, 04.03.2024 ");
    k.Picker.SetDatum(KalenderAnfang - 1);
    EXPECT_EQ(k.Picker.Text(), "Mo, 01.01.1900 ");
    k.Picker.SetDatum(KalenderEnde + 400);
    EXPECT_EQ(k.Picker.Text(), "Fr, 31.12.2100 ");
    k.Picker.SetDatum(std::nan(""));
    EXPECT_EQ(k.Picker.Text(), "Mo, 01.01.1900 ");
    EXPECT_EQ(k.Picker.Gemerkt(), "01");
}

TEST(TDatePicker, ANewRangeMovesTheShownDateIntoIt) {
    TUhr::Festhalten(D("04.03.2024") + 0.5);
    TDatePicker Picker;
    EXPECT_EQ(Picker.Text(), "Mo, 04.03.2024 ");
    EXPECT_EQ(Picker.MarkiereNr(), T);
    // Until a range is set, today is the only date.
    EXPECT_EQ(SpieleSkript(Picker, "^ > ^"), 0);
    EXPECT_EQ(Picker.Datum(), D("04.03.2024"));
    TUhr::Stellen({});

    Picker.SetMinDatum(KalenderAnfang);
    Picker.SetMaxDatum(D("01.02.2024"));
    EXPECT_EQ(Picker.Text(), "Do, 01.02.2024 ");
    Picker.SetMaxDatum(KalenderEnde);
    Picker.SetMinDatum(D("10.02.2024") + 0.25);
    EXPECT_EQ(Picker.Text(), "Sa, 10.02.2024 ");
    EXPECT_EQ(Picker.MinDatum(), D("10.02.2024") + 0.25);
    Picker.SetMaxDatum(std::nan(""));
    EXPECT_EQ(Picker.MaxDatum(), KalenderEnde);
}

TEST(TDatePicker, AMoveOrResizeShowsTheLastDateSetAgain) {
    TKalenderPicker k("04.03.2024", M);
    SpieleSkript(k.Picker, "1 < BS");
    EXPECT_EQ(k.Picker.Text(), "Do, __.01.2024 ");
    k.Picker.NachGeometrie();
    EXPECT_EQ(k.Picker.Text(), "Mo, 04.03.2024 ");
    EXPECT_EQ(k.Picker.MarkiereNr(), T);
    EXPECT_EQ(k.Picker.SelStart(), 4);
    EXPECT_EQ(k.Picker.Gemerkt(), "04");
}

TEST(TDatePicker, AnImpossibleDayReadsAsTheMonthsLastDayInsideTheRange) {
    TDatePicker Picker;
    Picker.SetMaxDatum(D("15.02.2023"));
    Picker.SetMinDatum(D("01.02.2023"));
    Picker.SetDatum(D("10.02.2023"));
    SpieleSkript(Picker, "31");
    EXPECT_EQ(Picker.Text(), "Fr, 31.02.2023 ");
    EXPECT_EQ(Picker.Datum(), D("15.02.2023"));
}

TEST(TDatePicker, DayStepsStopAtTheBoundsInsideAMonth) {
    TDatePicker Picker;
    Picker.SetMaxDatum(D("20.03.2024"));
    Picker.SetMinDatum(D("10.03.2024"));
    Picker.SetDatum(D("10.03.2024"));
    EXPECT_EQ(SpieleSkript(Picker, "v"), 0);
    EXPECT_EQ(Picker.Datum(), D("10.03.2024"));
    SpieleSkript(Picker, "^ ^ ^ ^ ^ BB");
    EXPECT_EQ(Picker.Datum(), D("10.03.2024"));
    SpieleSkript(Picker, "BA BA BA ^");
    EXPECT_EQ(Picker.Datum(), D("20.03.2024"));
}

} // namespace
