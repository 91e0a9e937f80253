#include <gtest/gtest.h>

#include "window/Fensterlayout.h"

TEST(Fensterlayout, SizeLimitsFollowTheWorkArea) {
    struct TFall {
        int Breite, Hoehe;
        TFenstergroesse Erwartet;
    };
    const TFall Faelle[] = {
        {1920, 1080, {1000, 700, 1200, 900}}, // room for everything
        {1100, 800, {1000, 700, 1100, 800}},  // the start size shrinks to the work area
        {800, 600, {800, 600, 800, 600}},     // even the minimum does
    };
    for (const TFall& f : Faelle) {
        EXPECT_EQ(GroesseBegrenzen(f.Breite, f.Hoehe), f.Erwartet) << f.Breite << "x" << f.Hoehe;
    }
}

TEST(Fensterlayout, AStoredSizeStaysBetweenTheMinimumAndTheWorkArea) {
    struct TFall {
        int Breite, Hoehe;
        TFenstergroesse Erwartet;
    };
    const TFall Faelle[] = {
        {1100, 800, {1000, 700, 1100, 800}},       {1280, 1024, {1000, 700, 1280, 1024}},
        {100000, 100000, {1000, 700, 1280, 1024}}, {2147483647, 2147483647, {1000, 700, 1280, 1024}},
        {101, 150, {1000, 700, 1000, 700}},        {-2147483647 - 1, 0, {1000, 700, 1000, 700}},
    };
    for (const TFall& f : Faelle) {
        EXPECT_EQ(GroesseBegrenzen(1280, 1024, f.Breite, f.Hoehe), f.Erwartet) << f.Breite << "x" << f.Hoehe;
    }
    // A work area smaller than the minimum is the limit both ways.
    EXPECT_EQ(GroesseBegrenzen(800, 600, 100000, 100000), (TFenstergroesse{800, 600, 800, 600}));
}

TEST(Fensterlayout, PlacedInTheWorkArea) {
    const TRechteck Arbeitsbereich{10, 30, 1921, 1051};
    EXPECT_EQ(FensterZentrieren(false, Arbeitsbereich, 1200, 900), (TRechteck{370, 105, 1200, 900}));
    EXPECT_EQ(FensterZentrieren(true, Arbeitsbereich, 1921, 1051), (TRechteck{10, 30, 1921, 1051}));
    // A window larger than the work area: the halves round toward zero.
    EXPECT_EQ(FensterZentrieren(false, {0, 0, 800, 600}, 1001, 700), (TRechteck{-100, -50, 1001, 700}));
}

TEST(Fensterlayout, ControlsAboveTheStatusBar) {
    // Client 1184 wide, status bar 22 high starting at 800.
    const TSchalterLayout l = SchalterEinrichten(1184, 800, 22);
    EXPECT_EQ(l.Combo, (TRechteck{474, 20, 236, 132}));
    EXPECT_EQ(l.Liste, (TRechteck{20, 172, 1144, 608}));
    // A tiny client area gives empty controls, never negative sizes.
    const TSchalterLayout Klein = SchalterEinrichten(30, 100, 22);
    EXPECT_EQ(Klein.Liste.Width, 0);
    EXPECT_EQ(Klein.Liste.Height, 0);
}
