#pragma once

// One line of the day list: its text and, for an entry line, the handle of the day record it
// shows (none for a day line). The handle lives on the heap so that it keeps its address while
// the list is moved; commands hold it until the next rebuild.

#include <memory>
#include <string>
#include <vector>

#include "model/TTagClass.h"

struct TZeile {
    std::string Text;
    std::unique_ptr<TTagClass> TagClass;
};

using TZeilenliste = std::vector<TZeile>;
