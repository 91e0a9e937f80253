#pragma once

// Whether Orca runs in this user's session, asked anew on every call.

#include <optional>
#include <string>

// The session's accessibility status ("ScreenReaderEnabled" of org.a11y.Status on the
// accessibility bus object); none when the session bus or the object does not answer. The bus
// is asked only when the session names one, so no bus is ever started for the question.
std::optional<bool> ScreenReaderEnabled();

// Whether a process of this user named orca (the program itself or its interpreter running the
// orca script) is in the process folder AProcOrdner.
bool OrcaProzessLaeuft(const std::string& AProcOrdner = "/proc");

// The status when it says yes, else a running orca process (started by hand, the status may
// not know it).
bool OrcaLaeuft();
