#pragma once

// The operating system's error as a German sentence for the user: the errors a file operation
// can meet in our own words, any other with its number (the system's own text is English).

#include <string>

std::string Systemfehlertext(int AFehlernummer);
