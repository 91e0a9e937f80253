#pragma once

// Small numbers typed into fields and search texts.

#include <cstddef>
#include <optional>
#include <string_view>

// The value of AText when it is nothing but decimal digits, at least one and at most AMaxStellen
// of them (no sign, no blanks); nothing for any other text. A value beyond the largest int is
// that int, so a caller that allows any length still gets the nearest limit.
std::optional<int> Ziffernzahl(std::string_view AText, std::size_t AMaxStellen);
