#pragma once

// The parts of a file path as the file commands and the window caption use them.

#include <string>

// The name of the file, without its folder; empty for a folder ending with a separator.
std::string DateinameTeil(const std::string& APfad);
// The folder of APfad with its trailing separator; empty for a bare name.
std::string OrdnerTeil(const std::string& APfad);
// APfad names an existing regular file (following links).
bool IstDatei(const std::string& APfad);
