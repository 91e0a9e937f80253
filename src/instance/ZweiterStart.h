#pragma once

// A start while the program already runs: it hands its command to the running program and ends.

#include <chrono>
#include <string>
#include <vector>

#include "instance/TBefehlsKanal.h"

// How long a second start waits for the running program to take its command.
constexpr std::chrono::milliseconds UebergabeFrist{5000};

// Puts the command of the arguments AArgumente (StartBefehl) into the channel and waits until the
// running program has taken it, looking every ASchritt, at most AFrist; a command not taken by
// then is taken back, so that it cannot act later. Gives "" when the command was taken, else the
// one German line that says why not.
std::string ZweiterStart(const std::vector<std::string>& AArgumente, const TKanalOeffnung& AKanal,
                         std::chrono::milliseconds AFrist = UebergabeFrist,
                         std::chrono::milliseconds ASchritt = std::chrono::milliseconds(10));
