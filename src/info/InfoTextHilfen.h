#pragma once

// Small helpers shared by the information texts.

#include <string>
#include <string_view>
#include <vector>

// The lines joined with CR LF, none after the last.
std::string ZeilenVerbinden(const std::vector<std::string>& AZeilen);

// The UTF-8 name of AName inside the folder AOrdner.
std::string PfadIn(const std::string& AOrdner, const std::string& AName);
