#pragma once

// The desktop's event sounds and the standard beep.

#include <memory>
#include <string>

class TSystemKlang {
public:
    virtual ~TSystemKlang() = default;
    // Starts the event sound of that name without waiting; plays nothing and returns false when
    // the event has no sound.
    virtual bool PlaySystemSound(const std::string& AAlias) = 0;
    bool PlayExclamation() { return PlaySystemSound("SystemExclamation"); }
    // The standard beep; always true.
    virtual bool SignalBeep() = 0;
};

// The desktop's sounds (defined in linux/ or windows/).
std::unique_ptr<TSystemKlang> SystemKlang();
