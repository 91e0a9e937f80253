#pragma once

// The system's time zone as the C library knows it (TZ, else /etc/localtime).

#include "platform/Zeitzone.h"

class TPosixZeitzone : public TZeitzone {
public:
    TDateTime UtcToLocal(TDateTime t) const override;
    TDateTime LocalToUtc(TDateTime t) const override;
};
