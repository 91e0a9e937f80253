#pragma once

// Removes blanks and control characters (every byte up to the space) from both ends of a text,
// as the program trims file contents, typed texts and command-line arguments.

#include <string_view>

constexpr std::string_view Trim(std::string_view AText) {
    while (!AText.empty() && static_cast<unsigned char>(AText.front()) <= ' ') {
        AText.remove_prefix(1);
    }
    while (!AText.empty() && static_cast<unsigned char>(AText.back()) <= ' ') {
        AText.remove_suffix(1);
    }
    return AText;
}
