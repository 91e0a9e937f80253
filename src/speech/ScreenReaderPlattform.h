#pragma once

// What the facade needs from the operating system: the drivers of the screen readers this
// system has, in the order they are asked, and the per-thread set-up they share (COM on
// Windows, nothing elsewhere).

#include <memory>
#include <vector>

#include "speech/ScreenReaderDriver.h"

using TScreenReaderDriverListe = std::vector<std::unique_ptr<TScreenReaderDriver>>;

class TScreenReaderPlattform {
public:
    virtual ~TScreenReaderPlattform() = default;

    // Prepares the calling thread for the drivers. True when the preparation succeeded and must be
    // balanced by one call of Freigeben.
    virtual bool Vorbereiten() = 0;
    virtual void Freigeben() = 0;
    // Creates every driver, the one asked first at the front. Throws when a driver cannot be
    // created; drivers made before then are freed by the list.
    virtual TScreenReaderDriverListe TreiberErzeugen() = 0;
};

// The drivers of the system the program was built for (defined in linux/ or windows/).
std::unique_ptr<TScreenReaderPlattform> SystemScreenReaderPlattform();
