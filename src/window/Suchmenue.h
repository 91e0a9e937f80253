#pragma once

// The search menu's commands: they search the calendar and jump in the day list through
// TSuchBefehle, which lives with the search dialogs; without those dialogs the menu is disabled.

#include <span>

#include "window/TBefehl.h"

class TForm1;

std::span<const TBefehl<TForm1>> SuchmenueBefehle();
