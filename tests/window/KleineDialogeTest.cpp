#include <gtest/gtest.h>

#include "calendarfiles/TGeladenForm.h"
#include "model/ModellHilfen.h"
#include "model/TDaten.h"
#include "model/TGeladenClass.h"
#include "platform/TSkriptMeldungen.h"
#include "settings/TVortageForm.h"
#include "window/TGeheDatumForm.h"

namespace {

// Records every question and gives the prepared answer.
class TFakeMeldungen : public TMeldungsPort {
public:
    std::vector<std::string> Texte;
    TMeldungsAntwort Antwort = maJa;

    TMeldungsAntwort Zeige(TMeldungsArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override {
        EXPECT_EQ(AKnoepfe, mkJaNein);
        Texte.push_back(AText);
        return KnopfGeprueft(AKnoepfe, Antwort);
    }
};

TEST(TGeheDatumForm, SpeaksTheLabelAndLaysOutThePickerAndTheButtons) {
    EXPECT_EQ(TGeheDatumForm::Ansage(), "Datum:");
    // Label 40 x 16, picker 30 high, buttons 125 x 28.
    const auto Lage = TGeheDatumForm::Layout({40, 16, 30, 125, 28});
    EXPECT_EQ(Lage.Label, (TRechteck{10, 17, 40, 16}));
    EXPECT_EQ(Lage.Picker, (TRechteck{55, 10, 120, 30}));
    EXPECT_EQ(Lage.ClientWidth, 375);
    // (375 - 250) div 3 = 41; 2 * 41 + 125 = 207.
    EXPECT_EQ(Lage.Ok, (TRechteck{41, 50, 125, 28}));
    EXPECT_EQ(Lage.Abbrechen, (TRechteck{207, 50, 125, 28}));
    EXPECT_EQ(Lage.ClientHeight, 88);
}

TEST(TGeheDatumForm, AWideLabelWidensTheDialogSoThatThePickerIsNotCutOff) {
    const auto Lage = TGeheDatumForm::Layout({100, 16, 30, 125, 28});
    EXPECT_EQ(Lage.Picker.Right(), 415);
    EXPECT_EQ(Lage.ClientWidth, 425);
    EXPECT_EQ(Lage.Ok.Left, (425 - 250) / 3);
}

TEST(TVortageForm, TheNumberReadIsHeldWithinTwoToNine) {
    const std::pair<const char*, int> Faelle[] = {
        {"1", 2},
        {"2", 2},
        {"5", 5},
        {" 7 ", 7},
        {"9", 9},
        {"12", 9},
        {"0", 2},
        {"-4", 2},
        {"abc", 2},
        {"", 2},
        {"3x", 2},
        {"99999999999999999999999", 9},
        {"-99999999999999999999999", 2},
    };
    for (const auto& [Text, Tage] : Faelle) {
        EXPECT_EQ(TVortageForm::Tage(Text), Tage) << '"' << Text << '"';
    }
    EXPECT_EQ(TVortageForm::Text(3), "3");
    EXPECT_EQ(TVortageForm::Text(40), "9");
    EXPECT_EQ(TVortageForm::Text(1), "2");
    EXPECT_EQ(TVortageForm::Ansage(), "Tage:");
}

TEST(TVortageForm, EnterEndsWithOkOnlyWhileTheFieldHoldsSomething) {
    using T = TVortageForm::TTaste;
    using E = TVortageForm::TErgebnis;
    struct TFall {
        T Taste;
        bool ModifikatorS;
        const char* Text;
        E Ergebnis;
    };
    const TFall Faelle[] = {
        {T::Enter, false, "1", E::Ok},         {T::Enter, false, "", E::Nichts},
        {T::Enter, false, " ", E::Nichts},     {T::Enter, true, "4", E::Weiter},
        {T::Escape, false, "4", E::Abbrechen}, {T::Escape, false, "", E::Abbrechen},
    };
    for (const TFall& F : Faelle) {
        EXPECT_EQ(TVortageForm::Taste(F.Taste, F.ModifikatorS, F.Text), F.Ergebnis) << F.Text;
    }
    EXPECT_FALSE(TVortageForm::OkErlaubt("\t"));
    EXPECT_TRUE(TVortageForm::OkErlaubt("x"));
}

TEST(TVortageForm, ButtonsSideBySideBelowTheField) {
    // Label 36 x 16, field 30 high and at least 90 wide, buttons 125 x 28.
    const auto Lage = TVortageForm::Layout({36, 16, 30, 90, 125, 28});
    EXPECT_EQ(Lage.Feld, (TRechteck{51, 10, 90, 30}));
    EXPECT_EQ(Lage.Label, (TRechteck{10, 17, 36, 16}));
    EXPECT_EQ(Lage.Ok, (TRechteck{10, 50, 125, 28}));
    EXPECT_EQ(Lage.Abbrechen, (TRechteck{145, 50, 125, 28}));
    EXPECT_EQ(Lage.ClientWidth, 280);
    EXPECT_EQ(Lage.ClientHeight, 88);
    // Without a toolkit minimum the field is two label heights wide.
    EXPECT_EQ(TVortageForm::Layout({36, 16, 30, 0, 125, 28}).Feld.Width, 32);
}

// The main calendar with one entry, a holiday file (id 1) with two and another file (id 2) with one.
class Geladen : public ::testing::Test {
protected:
    TDaten Daten;
    TGeladenClass Liste{&Daten, ""};
    TFakeMeldungen Meldungen;
    TGeladenForm Form{Daten, Liste};

    void SetUp() override {
        for (const auto& [Id, IdDatei] : {std::pair{0, 0}, {0, 1}, {1, 1}, {0, 2}}) {
            TDatenClass e = Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}}, "Arzt", Id);
            e.IdDatei = IdDatei;
            Daten.Add(e);
        }
        Liste.Add("/home/anna/Dokumente/Feiertage.OVF", 1);
        Liste.Add("Sonder.OVK", 2);
    }

    int Eintraege(int AIdDatei) const {
        int n = 0;
        for (const TDatenClass& e : Daten.Eintraege()) {
            n += e.IdDatei == AIdDatei ? 1 : 0;
        }
        return n;
    }
};

TEST_F(Geladen, ListsTheFilesWithoutFolderAndWithTheirId) {
    EXPECT_EQ(Form.Zeilen(), (std::vector<std::string>{"Feiertage.OVF (1*)", "Sonder.OVK (2*)"}));
    // Every letter of the name is kept, also outside code page 1252.
    Liste.Add("Ördner/Встреча Jänner.OVK", 3);
    EXPECT_EQ(Form.Zeilen().back(), "Встреча Jänner.OVK (3*)");
    EXPECT_TRUE(Form.EntfernenErlaubt());
}

TEST_F(Geladen, RemovingAsksWithTheLineAndTakesTheFilesEntriesAlong) {
    ASSERT_TRUE(Form.Entfernen(0, Meldungen));
    EXPECT_EQ(Meldungen.Texte, (std::vector<std::string>{
                                   "Soll die Datei \"Feiertage.OVF (1*)\" aus der Liste entfernt werden?"}));
    EXPECT_EQ(Form.Zeilen(), (std::vector<std::string>{"Sonder.OVK (2*)"}));
    EXPECT_EQ(Eintraege(1), 0);
    EXPECT_EQ(Eintraege(0), 1);
    EXPECT_EQ(Eintraege(2), 1);
}

TEST_F(Geladen, NoKeepsTheFileAndALineOutsideTheListAsksNothing) {
    Meldungen.Antwort = maNein;
    EXPECT_FALSE(Form.Entfernen(1, Meldungen));
    EXPECT_EQ(Form.Zeilen().size(), 2u);
    EXPECT_EQ(Eintraege(2), 1);
    EXPECT_FALSE(Form.Entfernen(2, Meldungen));
    EXPECT_FALSE(Form.Entfernen(-1, Meldungen));
    EXPECT_EQ(Meldungen.Texte.size(), 1u);
}

TEST_F(Geladen, RemovingTheLastFileLeavesAnEmptyListAndNothingToRemove) {
    ASSERT_TRUE(Form.Entfernen(1, Meldungen));
    ASSERT_TRUE(Form.Entfernen(0, Meldungen));
    EXPECT_TRUE(Form.Zeilen().empty());
    EXPECT_FALSE(Form.EntfernenErlaubt());
    EXPECT_EQ(Daten.Count(), 1);
}

TEST_F(Geladen, ARegistrationWithTheMainFilesIdNeverDeletesTheUsersEntries) {
    Liste.Add("Kaputt.OVK", 0);
    ASSERT_TRUE(Form.Entfernen(2, Meldungen));
    EXPECT_EQ(Eintraege(0), 1);
    EXPECT_EQ(Form.Zeilen().size(), 2u);
}

TEST(TGeladenForm, ButtonsOneButtonWidthApart) {
    const auto Lage = TGeladenForm::Layout({125, 28});
    EXPECT_EQ(Lage.Liste, (TRechteck{10, 10, 605, 140}));
    EXPECT_EQ(Lage.Entfernen, (TRechteck{125, 160, 125, 28}));
    EXPECT_EQ(Lage.Schliessen, (TRechteck{375, 160, 125, 28}));
    EXPECT_EQ(Lage.ClientWidth, 625);
    EXPECT_EQ(Lage.ClientHeight, 198);
}

} // namespace
