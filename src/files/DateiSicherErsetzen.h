#pragma once

// Replaces a file by new content so that, whatever fails and whenever the process dies, the file
// is either exactly the old one or exactly the new one.

#include <functional>
#include <string>
#include <string_view>

#include "platform/TDateisystem.h"

// Writes ABytes to a new temporary file beside AZiel (AZiel, ".", a new GUID in braces, ".tmp"),
// flushes it to the disk, closes it and moves it over AZiel durably. A target that is no regular
// file is refused before anything is written. On any failure the error propagates, AZiel is as
// it was and no temporary file is left. What earlier saves of AZiel left when they were killed
// (temporary files, second names of the old file) is removed unless a running save holds it.
void DateiSicherErsetzen(const std::string& AZiel, std::string_view ABytes, TDateisystem& ADateisystem);

// Receives the content of a file piece by piece.
using TSchreibziel = std::function<void(std::string_view)>;

// The same with content that AInhalt hands piece by piece to the target it is given, so that a
// large file need not be held in memory as a whole; an exception from AInhalt fails the save.
void DateiSicherErsetzen(const std::string& AZiel, const std::function<void(const TSchreibziel&)>& AInhalt,
                         TDateisystem& ADateisystem);

// A new GUID in its standard text form with braces.
std::string NeueGuid();
