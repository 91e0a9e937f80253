#pragma once

// The user settings the main window keeps in its settings file: the window's size and state, the
// options, the files and the user font and background colour. Defaults are those of a first
// start; colours are Windows colour values (0x00BBGGRR, or 0xFF0000nn for system colour nn).

#include <cstdint>
#include <string>

inline constexpr std::int32_t clWindowText = static_cast<std::int32_t>(0xFF000008u);
inline constexpr std::int32_t clWhite = 0x00FFFFFF;

enum TFensterzustand : std::int32_t {
    fzNormal = 0,
    fzMaximiert = 2,
};

struct TEinstellungen {
    struct TFontStyle {
        bool ItalicS = false;
        bool BoldS = false;
        bool UnderlineS = false;
        bool StrikeOutS = false;
        bool operator==(const TFontStyle&) const = default;
    };

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

    std::string FontName = "Courier New";
    int FontSize = 12; // points, 6..72
    std::int32_t FontColor = clWindowText;
    std::uint8_t FontCharSet = 0;
    TFontStyle FontStyle;
    std::int32_t BackColor = clWhite;

    bool operator==(const TEinstellungen&) const = default;
};
