#pragma once

#include "computer/ComputerPlay.h"

#include <optional>
#include <string>

namespace nf {

// What the command line asks of the game that starts.
struct StartOptions {
    ComputerPlay computer = ComputerPlay::Classic; // --computer classic|expert
    // Qt's own -platform and -display, which the display check must respect; empty when not
    // given. Qt reads them (and its other options) again when the application starts.
    std::string platform;
    std::string display;
    bool statisticsWindow = false; // --statistics-window: the statistics window alone
};

// Reads the command line before any window exists: an option, value or argument it does not
// know is refused with the usage, and the program ends with code 2; otherwise --help and
// --version print their answer and end the program. Qt's own options (-platform, -style,
// -reverse, ...) are taken and left for Qt, and a single dash introduces a long option as
// Qt's do (-computer expert). Nothing when the game is to start, with `options` as asked.
std::optional<int> answerCommandLine(int argc, char** argv, StartOptions& options);

} // namespace nf
