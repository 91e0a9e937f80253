#pragma once

#include "model/Kalenderdatum.h"

// A date range, both ends inclusive; every period of the year, month and week lists has one.
struct TVonBisClass {
    TTag Von = 0;
    TTag Bis = 0;
};
