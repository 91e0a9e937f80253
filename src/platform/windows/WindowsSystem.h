#pragma once

// Windows-only facilities with no counterpart on other systems: the 32-bit-on-64-bit test, the
// Program Files folder and the autostart value older versions left under the machine-wide Run
// key.

#include <string>

class TAutostart;

// True when the program runs as a 32-bit process on 64-bit Windows. Throws
// EBetriebssystemFehler "IsWindows64Bit: bad process handle" when the system cannot say.
bool IsWindows64Bit();

// The Program Files folder with a trailing separator (the 64-bit one when running under
// WOW64); "" when the value is missing.
std::string ProgramFilesDir();

// Whether HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run has a value of that
// name; false when the key cannot be opened.
bool RunKeyValueExists(const std::string& AName);

// Deletes that value when it exists; nothing happens when the key cannot be opened.
void RunKeyValueDelete(const std::string& AName);

// Older versions started the program through a value under the Run key named like the program
// file AProgramm without its extension. When it is there, the user's autostart entry AAutostart
// is made in its place and, once that is saved, the value deleted: the program still starts with
// the system, and only once.
void AltenAutostartErsetzen(const std::string& AProgramm, TAutostart& AAutostart);
