#pragma once

// The user settings the main window keeps in its settings file: the window's size and state, the
// options, the files and the user font and background colour. Defaults are those of a first
// start.

#include <string>

#include "settings/TSchrift.h"

enum TFensterzustand : int {
    fzNormal = 0,
    fzMaximiert = 2,
};

struct TEinstellungen {
    bool ShowSplashScreenS = true;
    TFensterzustand WindowState = fzNormal;
    int Height = 900; // of the normal (restored) window
    int Width = 1200;
    int Vorschautage = 3; // 1..9
    bool SikDateiAnlegenS = false;
    bool FeiertagS = true;
    bool KomprimiertS = false;
    bool SonderS = false;
    std::string FeiertagsFilename;
    std::string SonderFilename;
    std::string KalFilename; // the main calendar file, or only a folder (ending in a separator)
    bool KwocheS = true;
    TSchrift Font;              // AktFont: size 5..35, character set 0..255
    TFarbe BackColor = clWhite; // AktBackColor

    bool operator==(const TEinstellungen&) const = default;
};
