#include "controls/TTimePicker.h"

#include <cmath>
#include <gtest/gtest.h>

#include "controls/PickerSkript.h"
#include "model/Uhr.h"

namespace {

TDateTime Z(int AStunde, int AMinute, int ASekunde = 0) {
    return (AStunde * 3600 + AMinute * 60 + ASekunde) / 86400.0;
}

struct TFall {
    const char* Name;
    TDateTime Start;
    bool SekundenS;
    int Feld;
    const char* Skript;
    const char* Text;
    int SelStart;
    int SelLaenge;
    int Pieptoene;
    TDateTime Gelesen; // Zeit read afterwards
};

constexpr int S = TTimePicker::FeldStunde;
constexpr int M = TTimePicker::FeldMinute;
constexpr int SS = TTimePicker::FeldSekunde;

void Pruefe(const TFall& F) {
    SCOPED_TRACE(F.Name);
    TTimePicker Picker;
    Picker.SetSekundenAnzeigenS(F.SekundenS);
    Picker.SetZeit(F.Start);
    Picker.SetMarkiereNr(F.Feld);
    EXPECT_EQ(SpieleSkript(Picker, F.Skript), F.Pieptoene);
    EXPECT_EQ(Picker.Text(), F.Text);
    EXPECT_EQ(Picker.SelStart(), F.SelStart);
    EXPECT_EQ(Picker.SelLaenge(), F.SelLaenge);
    EXPECT_NEAR(Picker.Zeit(), F.Gelesen, 1e-9);
}

TEST(TTimePicker, TypingDigitsFillsTheFieldAndCorrectsItWhenLeft) {
    const TFall Faelle[] = {
        {"2 and 7 move on and give 23", Z(9, 30), false, S, "27", "23:30 ", 3, 2, 0, Z(23, 30)},
        {"one digit waits for the next", Z(9, 30), false, S, "7", "7_:30 ", 1, 0, 0, Z(7, 30)},
        {"7 then Right gives 07", Z(9, 30), false, S, "7 >", "07:30 ", 3, 2, 0, Z(7, 30)},
        {"two zeros keep midnight", Z(9, 30), false, S, "00", "00:30 ", 3, 2, 0, Z(0, 30)},
        {"two zeros in the minutes", Z(9, 30), false, M, "00 <", "09:00 ", 0, 2, 0, Z(9, 0)},
        {"Backspace shows placeholders", Z(9, 30), false, M, "BS", "09:__ ", 3, 2, 0, Z(9, 30)},
        {"Backspace and leaving restore", Z(9, 30), false, S, "BS >", "09:30 ", 3, 2, 0, Z(9, 30)},
        {"75 minutes give 59 when left", Z(9, 30), false, M, "75 <", "09:59 ", 0, 2, 0, Z(9, 59)},
        {"two minute digits stay in the last field", Z(9, 30), false, M, "45", "09:45 ", 5, 0, 0, Z(9, 45)},
        {"a third minute digit beeps", Z(9, 30), false, M, "451", "09:45 ", 5, 0, 1, Z(9, 45)},
        {"minutes move on to the seconds", Z(9, 30, 15), true, M, "45", "09:45:15 ", 6, 2, 0, Z(9, 45, 15)},
        {"a third second digit beeps", Z(9, 30, 15), true, SS, "999", "09:30:99 ", 8, 0, 1, Z(9, 30, 59)},
        {"letters and separators", Z(9, 30), false, S, "a : . _", "09:30 ", 0, 2, 0, Z(9, 30)},
        {"a letter while typing", Z(9, 30), false, S, "1 x", "1_:30 ", 1, 0, 0, Z(1, 30)},
        {"Delete does nothing", Z(9, 30), false, S, "Entf", "09:30 ", 0, 2, 0, Z(9, 30)},
    };
    for (const TFall& F : Faelle) {
        Pruefe(F);
    }
}

TEST(TTimePicker, SteppingWrapsAtTheFieldsEndsWithoutCarry) {
    const TFall Faelle[] = {
        {"Up on 23 hours", Z(23, 30), false, S, "^", "00:30 ", 0, 2, 0, Z(0, 30)},
        {"Down on 0 hours", Z(0, 30), false, S, "v", "23:30 ", 0, 2, 0, Z(23, 30)},
        {"Up on 59 minutes keeps the hour", Z(9, 59), false, M, "^", "09:00 ", 3, 2, 0, Z(9, 0)},
        {"Page Down on 2 minutes", Z(9, 2), false, M, "BB", "09:59 ", 3, 2, 0, Z(9, 59)},
        {"Page Up on 57 minutes", Z(9, 57), false, M, "BA", "09:00 ", 3, 2, 0, Z(9, 0)},
        {"Page Up on 20 hours", Z(20, 15), false, S, "BA", "00:15 ", 0, 2, 0, Z(0, 15)},
        {"Page Down on 3 hours", Z(3, 15), false, S, "BB", "23:15 ", 0, 2, 0, Z(23, 15)},
        {"Page Up in the middle", Z(9, 15), false, M, "BA", "09:21 ", 3, 2, 0, Z(9, 21)},
        {"Up on 59 seconds", Z(9, 15, 59), true, SS, "^", "09:15:00 ", 6, 2, 0, Z(9, 15, 0)},
        {"a typed hour is checked before the step", Z(9, 30), false, S, "4 ^", "05:30 ", 0, 2, 0, Z(5, 30)},
    };
    for (const TFall& F : Faelle) {
        Pruefe(F);
    }
}

TEST(TTimePicker, KeysMoveBetweenTheFieldsShown) {
    const TFall Faelle[] = {
        {"Left in the hours stays", Z(9, 30), false, S, "<", "09:30 ", 0, 2, 0, Z(9, 30)},
        {"Right in the minutes stays without seconds", Z(9, 30), false, M, ">", "09:30 ", 3, 2, 0, Z(9, 30)},
        {"Right reaches the seconds", Z(9, 30, 5), true, M, ">", "09:30:05 ", 6, 2, 0, Z(9, 30, 5)},
        {"End selects the minutes without seconds", Z(9, 30), false, S, "Ende", "09:30 ", 3, 2, 0, Z(9, 30)},
        {"End selects the seconds", Z(9, 30, 5), true, S, "Ende", "09:30:05 ", 6, 2, 0, Z(9, 30, 5)},
        {"Home", Z(9, 30, 5), true, SS, "Pos1", "09:30:05 ", 0, 2, 0, Z(9, 30, 5)},
    };
    for (const TFall& F : Faelle) {
        Pruefe(F);
    }
}

TEST(TTimePicker, MouseReleaseChoosesTheFieldFromTheCaret) {
    const int OhneSekunden[7] = {S, S, S, M, M, M, M};
    const int MitSekunden[10] = {S, S, S, M, M, M, SS, SS, SS, SS};
    for (int p = 0; p < 10; ++p) {
        TTimePicker Picker;
        Picker.SetSekundenAnzeigenS(true);
        Picker.SetMarkiereNr(p < 3 ? M : S);
        Picker.MausLos(p);
        EXPECT_EQ(Picker.MarkiereNr(), MitSekunden[p]) << "caret " << p;
    }
    for (int p = 0; p < 7; ++p) {
        TTimePicker Picker;
        Picker.SetMarkiereNr(p < 3 ? M : S);
        Picker.MausLos(p);
        EXPECT_EQ(Picker.MarkiereNr(), OhneSekunden[p]) << "caret " << p;
    }
}

TEST(TTimePicker, SwitchingTheSecondsKeepsTheTimeAndAFieldThatExists) {
    TTimePicker Picker;
    Picker.SetZeit(Z(9, 30));
    Picker.SetSekundenAnzeigenS(true);
    EXPECT_EQ(Picker.Text(), "09:30:00 ");
    SpieleSkript(Picker, "Ende 42");
    EXPECT_EQ(Picker.MarkiereNr(), SS);
    Picker.SetSekundenAnzeigenS(false);
    EXPECT_EQ(Picker.Text(), "09:30 ");
    EXPECT_EQ(Picker.MarkiereNr(), M);
    EXPECT_EQ(Picker.SelStart(), 3);
    EXPECT_EQ(Picker.SelLaenge(), 2);
    // The seconds were read from the text and are gone with it.
    Picker.SetSekundenAnzeigenS(true);
    EXPECT_EQ(Picker.Text(), "09:30:00 ");
    // A field typed but not yet checked is kept through the switch.
    SpieleSkript(Picker, "Pos1 7");
    Picker.SetSekundenAnzeigenS(false);
    EXPECT_EQ(Picker.Text(), "07:30 ");
}

TEST(TTimePicker, WritingTheTimeKeepsOnlyTheTimeOfDay) {
    TTimePicker Picker;
    Picker.SetZeit(45355.0 + Z(14, 5));
    EXPECT_EQ(Picker.Text(), "14:05 ");
    Picker.SetZeit(std::nan(""));
    EXPECT_EQ(Picker.Text(), "00:00 ");
    Picker.SetZeit(-0.25);
    EXPECT_EQ(Picker.Text(), "00:00 ");
    Picker.SetSekundenAnzeigenS(true);
    Picker.SetZeit(0.9999999);
    EXPECT_EQ(Picker.Text(), "23:59:59 ");
    EXPECT_EQ(Picker.Gemerkt(), "23");
}

TEST(TTimePicker, StartsAtTheCurrentTimeWithTheHoursSelected) {
    TUhr::Festhalten(45355.0 + Z(8, 7, 6));
    TTimePicker Picker;
    TUhr::Stellen({});
    EXPECT_EQ(Picker.Text(), "08:07 ");
    EXPECT_EQ(Picker.MarkiereNr(), S);
    EXPECT_EQ(Picker.SelStart(), 0);
    EXPECT_EQ(Picker.SelLaenge(), 2);
}

TEST(TTimePicker, ReadOnlyBeepsAtEveryChangeAndStillMovesBetweenFields) {
    for (const char* Skript : {"^", "v", "BA", "BB", "Entf", "BS", "5", "a"}) {
        TTimePicker Picker;
        Picker.SetZeit(Z(9, 30));
        Picker.SetReadOnlyS(true);
        EXPECT_EQ(SpieleSkript(Picker, Skript), 1) << Skript;
        EXPECT_EQ(Picker.Text(), "09:30 ") << Skript;
    }
    TTimePicker Picker;
    Picker.SetReadOnlyS(true);
    EXPECT_EQ(SpieleSkript(Picker, "Ende"), 0);
    EXPECT_EQ(Picker.MarkiereNr(), M);
}

} // namespace
