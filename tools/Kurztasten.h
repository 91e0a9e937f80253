#pragma once

// "Kurztasten.txt": the main window's shortcuts, made from its menu table, so the list a user reads
// always says what the menus do.

#include <optional>
#include <string>
#include <string_view>

// A shortcut in the toolkit's notation ("Ctrl+PgDn") in the German key names a screen reader and
// the keycaps use ("Strg+Bild ab"); none for a key this list does not know, so no English name
// slips into the text.
std::optional<std::string> TastenName(std::string_view AKurztaste);

// The whole text: the menus in their order on the bar, each with its commands that have a
// shortcut, one line each. Throws std::invalid_argument naming a shortcut TastenName does not know.
std::string KurztastenText();
