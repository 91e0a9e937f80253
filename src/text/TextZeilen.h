#pragma once

// Texts for a terminal: every line ends in LF alone.

#include <ostream>
#include <string_view>

// Writes AText with each CR LF or lone CR turned into LF and an LF after a last line that has
// none; an empty text writes nothing.
void TextZeilenAusgeben(std::ostream& AAus, std::string_view AText);
