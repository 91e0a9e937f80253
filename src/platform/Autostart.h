#pragma once

// The entry that starts the program with "/systemstartup" when the user logs in.

#include <memory>
#include <string>

#include "platform/SpezialOrdner.h"

class TAutostart {
public:
    virtual ~TAutostart() = default;
    // Where the entry is or would be; "" when the system has no autostart folder.
    virtual const std::string& Pfad() const = 0;
    virtual bool Vorhanden() const = 0;
    // Writes the entry; true when it was saved.
    virtual bool Anlegen() = 0;
    // Removes the entry; true when none is left.
    virtual bool Loeschen() = 0;
};

// The autostart entry of the program file AProgramm (defined in linux/ or windows/); its path
// is computed here, once.
std::unique_ptr<TAutostart> SystemAutostart(const std::string& AProgramm, const TSpezialOrdner& AOrdner);
