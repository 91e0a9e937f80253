#pragma once

// The user font (AktFont) and the background colour (AktBackColor) that every window applies.
// Colours are kept as the settings file stores them, so that a value read is written back as it
// was.

#include <cstddef>
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

// The sizes the font dialog offers; a stored size outside them is brought inside.
constexpr int MinSchriftgroesse = 5;
constexpr int MaxSchriftgroesse = 35;

// The longest typeface name taken from outside (in bytes): real names are far shorter.
constexpr std::size_t MaxSchriftnameLaenge = 100;

struct TSchrift {
    std::string Name = "Courier New";
    int Groesse = 12; // points
    TFarbe Farbe = clWindowText;
    int CharSet = 0;
    int Stil = 0; // TSchriftStil bits

    bool operator==(const TSchrift&) const = default;
};

// Whether a typeface name from outside (the settings file) may be used at all: not empty, not
// longer than MaxSchriftnameLaenge, valid UTF-8 without control characters, quotes or
// backslashes. Whether such a typeface is installed is the window toolkit's to say.
bool SchriftnameZulaessig(const std::string& AName);
