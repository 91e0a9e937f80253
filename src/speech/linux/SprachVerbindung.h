#pragma once

// The speech side of the Orca driver: a connection to the speech server Orca itself speaks
// through. Replaceable so that the driver can be tested without one.

#include <string>

class TSprachVerbindung {
public:
    virtual ~TSprachVerbindung() = default;
    // Queues the text without cutting off what is being spoken. True when the server took it.
    virtual bool Sprechen(const std::string& S) = 0;
    // Stops current speech and drops what is queued, the screen reader's included.
    virtual bool Abbrechen() = 0;
};
