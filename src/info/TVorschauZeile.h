#pragma once

// One line of the preview: its text and, for an event line, a copy of the event (the entry's
// attributes with the shown day record as its only record). The line owns the copy, so the
// preview stays valid while the calendar changes.

#include <memory>
#include <string>
#include <vector>

#include "model/TDatenClass.h"

struct TVorschauZeile {
    std::string Text;
    std::unique_ptr<TDatenClass> DatenClass; // nil for headings, separators and empty lines
};

using TVorschauListe = std::vector<TVorschauZeile>;
