#pragma once

// The geometry rules of the main window, in pixels: its size limits, where it is placed and where
// the period box and the day list sit above the status bar. Pure arithmetic, so that the rules are
// the same whatever draws the window.

#include "controls/TRechteck.h"

struct TFenstergroesse {
    int MinBreite = 0;
    int MinHoehe = 0;
    int Breite = 0;
    int Hoehe = 0;

    bool operator==(const TFenstergroesse&) const = default;
};

struct TSchalterLayout {
    TRechteck Combo;
    TRechteck Liste;

    bool operator==(const TSchalterLayout&) const = default;
};

// At least 1000 x 700 and 1200 x 900 to begin with, both reduced to a smaller work area.
TFenstergroesse GroesseBegrenzen(int AArbeitsBreite, int AArbeitsHoehe);
// The same limits for a wanted size (a stored one): never below the minimum, never beyond the
// work area, so that no value in the settings file makes a window larger than the screen.
TFenstergroesse GroesseBegrenzen(int AArbeitsBreite, int AArbeitsHoehe, int ABreite, int AHoehe);

// The top-left corner: the work area's for a maximized window, otherwise centred in the work area
// (halves rounded toward zero).
TRechteck FensterZentrieren(bool AMaximiertS, const TRechteck& AArbeitsbereich, int ABreite, int AHoehe);

// The period box and the day list in a client area AClientBreite wide whose status bar starts at
// AStatusTop and is AStatusHoehe high. No size comes out negative.
TSchalterLayout SchalterEinrichten(int AClientBreite, int AStatusTop, int AStatusHoehe);
