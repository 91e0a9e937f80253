#pragma once

// The operating system's file system. The platform layer defines it; the layers below it are
// handed a TDateisystem by the programs, so that they never depend on the platform layer.

#include "platform/TDateisystem.h"

TDateisystem& SystemDateisystem();
