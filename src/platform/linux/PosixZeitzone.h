#pragma once

// The system's time zone as the C library knows it (TZ, else /etc/localtime), its name from the
// same places (TZ, /etc/timezone, the target of /etc/localtime).

#include "platform/Zeitzone.h"

class TPosixZeitzone : public TZeitzone {
public:
    TDateTime UtcToLocal(TDateTime t) const override;
    TDateTime LocalToUtc(TDateTime t) const override;
    // A TZ that is a rule rather than a name ("CET-1CEST,...") is given as it stands.
    std::string Name() const override;
};
