#pragma once

// The program's own data folder: where "Namenstage.dat", the holiday file and "Sounddateien"
// ship. Beside the executable when run from the build or a portable folder; below
// <prefix>/share/orvanto when installed to <prefix>/bin.

#include <string>
#include <vector>

// The folders to try for the executable AProgrammdatei (a full path), in order: its own folder,
// then <its folder>/../share/orvanto.
std::vector<std::string> ProgrammordnerKandidaten(const std::string& AProgrammdatei);

// The first of AKandidaten that holds "Namenstage.dat"; the first one when none does (the
// program then runs without name days), "" for an empty list.
std::string ProgrammordnerWaehlen(const std::vector<std::string>& AKandidaten);
