#pragma once

// Letter-case-insensitive comparison of UTF-8 texts, umlauts and other European letters included.

#include <string>
#include <string_view>

// The code points of a UTF-8 text; an invalid sequence becomes U+FFFD, so any input is accepted.
std::u32string Utf8ZuCodepunkten(std::string_view AText);

// The code points of a UTF-8 text, each lower-cased (Latin, Greek and Cyrillic letters).
std::u32string Kleinbuchstaben(std::string_view AText);

// The same as UTF-8 into AZiel (its contents replaced, its memory kept), for a caller that
// lower-cases many texts in a row. A lower-cased term is found in a lower-cased text exactly where
// its code points are, as UTF-8 sequences cannot match across a character's boundary.
void KleinUtf8In(std::string_view AText, std::string& AZiel);

// True if both texts are equal after lower-casing each character.
bool GleichOhneGrossKlein(std::string_view A, std::string_view B);
