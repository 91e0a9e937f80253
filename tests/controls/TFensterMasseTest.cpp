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

TEST(TFensterMasse, CentredOverTheOwnerAndKeptOnTheScreen) {
    const TRechteck Bildschirm{0, 0, 1280, 1024};
    struct TFall {
        TRechteck Owner;
        int Width;
        int Height;
        TRechteck Lage;
    };
    const TFall Faelle[] = {
        {{100, 50, 800, 600}, 301, 201, {349, 249, 301, 201}},
        // Larger than its owner: it stands out on both sides alike.
        {{300, 300, 200, 100}, 400, 300, {200, 200, 400, 300}},
        // Near the top left corner: moved just inside the screen.
        {{100, 50, 200, 100}, 400, 300, {0, 0, 400, 300}},
        // Near the bottom right corner.
        {{1200, 1000, 100, 100}, 400, 300, {880, 724, 400, 300}},
        // Larger than the screen: its top left corner stays visible.
        {{100, 50, 800, 600}, 1500, 1100, {0, 0, 1500, 1100}},
    };
    for (const TFall& F : Faelle) {
        EXPECT_EQ(TFensterMasse::Zentriert(F.Owner, F.Width, F.Height, Bildschirm), F.Lage) << F.Width;
    }
    // A work area that does not start at the corner (a panel at the top).
    EXPECT_EQ(TFensterMasse::Zentriert({0, 0, 100, 100}, 400, 300, {0, 30, 1280, 994}),
              (TRechteck{0, 30, 400, 300}));
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
