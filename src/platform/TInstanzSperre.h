#pragma once

// One running program per user: a lock the first instance takes at its start and holds until it
// ends. The lock never keeps the user from the calendar: when none can be had the program runs
// without one.

#include <memory>
#include <string>

enum TSperrZustand {
    szGehalten,   // this process holds the lock
    szBelegt,     // another running instance holds it
    szOhneSperre, // no lock could be had anywhere
};

class TInstanzSperre {
public:
    virtual ~TInstanzSperre() = default;
    virtual TSperrZustand Zustand() const = 0;
};

// Takes the lock named AName on the system the program runs on (defined in linux/ or windows/).
std::unique_ptr<TInstanzSperre> SystemInstanzSperre(const std::string& AName);
