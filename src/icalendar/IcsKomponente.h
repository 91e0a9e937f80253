#pragma once

// A libical component owned by its handle and freed with it, children included.

#include <libical/ical.h>

#include <memory>

struct TIcsKomponenteFrei {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TIcsKomponente = std::unique_ptr<icalcomponent, TIcsKomponenteFrei>;
