#pragma once

// The braille side of the Orca driver: shows a short message on the braille display.
// Replaceable so that the driver can be tested without a display.

#include <string>

class TBrailleVerbindung {
public:
    virtual ~TBrailleVerbindung() = default;
    // True when the display took the text.
    virtual bool Zeigen(const std::string& S) = 0;
};
