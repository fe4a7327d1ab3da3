#pragma once

#include "computer/ComputerPlay.h"
#include "engine/HeadlessGame.h"

#include <memory>

namespace nf::sim {

// A board for 2 to 4 people, or (players 1) the person's board against the computer, playing
// as `computer` says; without rolling figures, which change nothing but the display.
std::unique_ptr<HeadlessGame> newTable(int players, ComputerPlay computer = ComputerPlay::Classic);

} // namespace nf::sim
