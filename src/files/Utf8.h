#pragma once

// UTF-8 decoding and encoding shared by the text file readers and writers.
//
// Validity follows the strict rules: lead bytes C2..DF, E0..EF and F0..F4 start sequences of
// two, three and four bytes, every continuation byte is 80..BF, and the value is neither
// overlong nor a surrogate nor above U+10FFFF.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

inline constexpr char32_t Ersatzzeichen = 0xFFFD;

enum class TUtf8Status {
    usGueltig,       // a complete, valid character
    usUngueltig,     // an invalid byte or sequence
    usAbgeschnitten, // a valid start of a sequence that the end of the text cuts off
};

struct TUtf8Zeichen {
    char32_t Wert = Ersatzzeichen; // the character, or Ersatzzeichen when not valid
    TUtf8Status Status = TUtf8Status::usUngueltig;
};

// Decodes the character at APos (APos < AText.size()) and moves APos past it. An invalid or
// cut-off sequence is passed over as its longest valid beginning, at least one byte, so that
// each fault is counted once and decoding always advances.
TUtf8Zeichen LiesUtf8Zeichen(std::string_view AText, std::size_t& APos);

// Appends a code point as UTF-8; surrogates and values above U+10FFFF become Ersatzzeichen.
void AppendUtf8(std::string& AZiel, char32_t AZeichen);

bool IstGueltigesUtf8(std::string_view AText);

// The text with every invalid or cut-off sequence replaced by Ersatzzeichen.
std::string GueltigesUtf8(std::string_view AText);

// A file system path from a UTF-8 file name (on Windows the narrow string would be read in
// the ANSI code page instead).
std::filesystem::path PfadAusUtf8(std::string_view ADateiname);
// The path as UTF-8, the way back (on Windows path::string() would not give the name back).
std::string PfadAlsUtf8(const std::filesystem::path& APfad);
