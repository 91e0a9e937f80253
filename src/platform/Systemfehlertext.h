#pragma once

// The operating system's error as a German sentence for the user (the common cases in our own
// words, anything else in the system's text).

#include <string>

std::string Systemfehlertext(int AFehlernummer);
