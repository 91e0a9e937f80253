#pragma once

// The font an RTF document is written in.

#include <string>

struct TRtfSchrift {
    std::string Name; // e.g. "Courier New"
    int Groesse = 0;  // in points; 0 or less leaves the reader's default size
};
