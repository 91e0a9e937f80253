#pragma once

// Letter-case-insensitive comparison of UTF-8 texts, umlauts and other European letters included.

#include <string>
#include <string_view>

// The code points of a UTF-8 text; an invalid sequence becomes U+FFFD, so any input is accepted.
std::u32string Utf8ZuCodepunkten(std::string_view AText);

// The code points of a UTF-8 text, each lower-cased (Latin, Greek and Cyrillic letters).
std::u32string Kleinbuchstaben(std::string_view AText);

// The same into AZiel (its contents replaced, its memory kept), for a caller that lower-cases many
// texts in a row.
void KleinbuchstabenIn(std::string_view AText, std::u32string& AZiel);

// True if both texts are equal after lower-casing each character.
bool GleichOhneGrossKlein(std::string_view A, std::string_view B);
