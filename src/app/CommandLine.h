#pragma once

#include <optional>

namespace nf {

// Reads the command line before any window exists: --help and --version print their answer
// and end the program; an option or argument it does not know is refused with the usage, and
// the program ends with a non-zero code. Nothing when the game is to start.
std::optional<int> answerCommandLine(int argc, char** argv);

} // namespace nf
