#pragma once

#include "Environment.h"

#include <functional>

namespace nf {

class BoardWindow;

struct RestartSteps {
    // Shows the grey backdrop (the saved game had the desktop hidden).
    std::function<void()> showBackdrop;
    // Opens the board that wrote the saved game: the computer's when `computer`.
    std::function<BoardWindow*(bool computer)> openBoard;
    // Closes the title screen once the board is open.
    std::function<void()> closeTitle;
};

// "Restart Previous Game": reads "lastgame.inf" into the shared match state and opens the
// board that wrote it, which shows the match resumed. Returns the board, or nothing when the
// file could not be read; then no board opens and no sound plays, and the values read before
// the failure stay in the shared state. An older file continued in place of a damaged newer
// one is said once on standard error.
BoardWindow* restartPreviousGame(Environment& env, const RestartSteps& steps);

} // namespace nf
