#pragma once

// No sounds: the text front end runs in terminals, pipes and login scripts, where a sound of
// the desktop would be cut off by the program's end or would sound on another seat.

#include "platform/SystemKlang.h"

class TStillerKlang : public TSystemKlang {
public:
    bool PlaySystemSound(const std::string&) override { return false; }
    bool SignalBeep() override { return true; }
};
