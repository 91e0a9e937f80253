#pragma once

// Conversion between the program's UTF-8 strings and Windows code page 1252, the encoding of
// the calendar file's texts and of ANSI text files.
//
// The table is the one Windows uses, including the five byte values the code page leaves
// undefined: 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for U+0081, U+008D, U+008F, U+0090 and
// U+009D, so every byte sequence converts to text and back unchanged.

#include <string>
#include <string_view>

// The character of one byte.
char32_t Cp1252Zeichen(unsigned char AByte);

// Every byte has a character, so this conversion cannot fail.
std::string Cp1252ToUtf8(std::string_view ABytes);

// Converts AText into ABytes. Returns true when every character had a byte; each character
// without one, and each invalid UTF-8 sequence, is written as "?" and makes the result false.
bool Utf8ToCp1252(std::string_view AText, std::string& ABytes);
