#pragma once

#include "computer/ComputerGame.h"

#include <optional>

namespace nf {

// What the command line asks of the game that starts.
struct StartOptions {
    ComputerPlay computer = ComputerPlay::Classic; // --computer classic|expert
};

// Reads the command line before any window exists: an option, value or argument it does not
// know is refused with the usage, and the program ends with code 2; otherwise --help and
// --version print their answer and end the program. Nothing when the game is to start, with
// `options` as asked.
std::optional<int> answerCommandLine(int argc, char** argv, StartOptions& options);

} // namespace nf
