#include "controls/TFensterMasse.h"

#include <gtest/gtest.h>

#include "controls/TModalKlammer.h"

namespace {

// A font of 7 pixels per character.
int Sieben(const std::string& AText) {
    return static_cast<int>(AText.size()) * 7;
}

TEST(TFensterMasse, ControlHeightAddsTheMarginsOfTheControlKind) {
    struct TFall {
        int Text;
        TControlArt Art;
        int Hoehe;
    };
    const TFall Faelle[] = {
        {16, TControlArt::Edit, 24},         {16, TControlArt::Button, 28},
        {16, TControlArt::Statusleiste, 22}, {16, TControlArt::Kontrollkaestchen, 24},
        {16, TControlArt::Sonstiges, 16},    {0, TControlArt::Edit, 20},
        {-3, TControlArt::Button, 24},
    };
    for (const TFall& F : Faelle) {
        EXPECT_EQ(TFensterMasse::ControlHeight(F.Text, F.Art), F.Hoehe) << F.Text;
    }
}

TEST(TFensterMasse, ButtonsTakeTheWidestCaptionWithoutAmpersandsPlusMMButAtLeast125) {
    // "&Abbrechen" -> "AbbrechenMM": 11 characters.
    EXPECT_EQ(TFensterMasse::SchalterBreite({"O&K", "&Abbrechen"}, Sieben), 125);
    EXPECT_EQ(TFensterMasse::SchalterBreite(
                  {"O&K", "&Abbrechen"},
                  [](const std::string& AText) { return static_cast<int>(AText.size()) * 13; }),
              11 * 13);
    // The ampersands count nothing, a doubled one neither.
    EXPECT_EQ(TFensterMasse::SchalterBreite({"S&&chließen&&&&&&&&&&&&&&&&&&"}, Sieben, 0),
              static_cast<int>(std::string("SchließenMM").size()) * 7);
    // The font dialog sets no minimum.
    EXPECT_EQ(TFensterMasse::SchalterBreite({"O&K"}, Sieben, 0), 4 * 7);
    EXPECT_EQ(TFensterMasse::SchalterBreite({}, Sieben), 125);
}

TEST(TFensterMasse, CentredOverTheOwnerEvenWhenLargerThanIt) {
    EXPECT_EQ(TFensterMasse::Zentriert({100, 50, 800, 600}, 301, 201), (TRechteck{349, 249, 301, 201}));
    // A dialog larger than its owner stands out on both sides alike.
    EXPECT_EQ(TFensterMasse::Zentriert({100, 50, 200, 100}, 400, 300), (TRechteck{0, -50, 400, 300}));
}

TEST(TModalKlammer, HooksRunOnceAroundTheOutermostDialog) {
    int Beginn = 0;
    int Ende = 0;
    TModalKlammer::Setze([&] { ++Beginn; }, [&] { ++Ende; });
    EXPECT_FALSE(TModalKlammer::Offen());
    {
        TModalKlammer Aussen;
        EXPECT_TRUE(TModalKlammer::Offen());
        {
            TModalKlammer Frage;
            EXPECT_EQ(Beginn, 1);
        }
        EXPECT_EQ(Ende, 0);
        EXPECT_TRUE(TModalKlammer::Offen());
    }
    EXPECT_EQ(Beginn, 1);
    EXPECT_EQ(Ende, 1);
    EXPECT_FALSE(TModalKlammer::Offen());
    TModalKlammer::Setze(nullptr, nullptr);
    { TModalKlammer OhneHaken; }
    EXPECT_EQ(Beginn, 1);
}

} // namespace
