#pragma once

// Program texts with blanks for values.

#include <initializer_list>
#include <string>
#include <string_view>

// AMuster with its "%s" and "%d" filled in order with AWerte, "%%" as a percent sign. Blanks
// beyond the values stay as they are, and the values are never read as patterns: the texts may
// come from the user or a settings file, so no format is ever handed to printf.
std::string Fuellen(std::string_view AMuster, std::initializer_list<std::string> AWerte);
