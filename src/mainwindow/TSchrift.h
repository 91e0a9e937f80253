#pragma once

// The user font (AktFont) and the background colour (AktBackColor) that every window applies.
// Colours are kept as the settings file stores them, so that a value read is written back as it
// was.

#include <cstdint>
#include <string>

// 0x00BBGGRR, or a system colour: top byte FF and the colour's index in the low byte.
using TFarbe = std::uint32_t;

constexpr TFarbe clWindowText = 0xFF000008;
constexpr TFarbe clWhite = 0x00FFFFFF;

// Bits of TSchrift::Stil; italic is the lowest bit, as the settings file has it.
enum TSchriftStil : int {
    fsItalic = 1,
    fsBold = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

struct TSchrift {
    std::string Name = "Courier New";
    int Groesse = 12; // points
    TFarbe Farbe = clWindowText;
    int CharSet = 0;
    int Stil = 0; // TSchriftStil bits

    bool operator==(const TSchrift&) const = default;
};
