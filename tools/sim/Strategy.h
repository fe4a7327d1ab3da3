#pragma once

#include "engine/HeadlessGame.h"

#include <optional>
#include <string>

namespace nf::sim {

// How a simulated player uses a settled throw.
enum class Strategy {
    Scan,       // as the computer plays: the nine numbers from 9 down or from 1 up
    SumFirst,   // the sum when it is open, else the two dice
    FacesFirst, // the two dice when they may be taken apart, else the sum
    Random,     // any allowed move, chosen at random
    Optimal,    // the exact best move, and one die exactly when that is worth more
};

std::optional<Strategy> parseStrategy(const std::string& name);
std::string strategyName(Strategy strategy);

// Makes the player's clicks for a throw that allows a move; takes the single die when
// offered (Random: half the time; Optimal: when it is worth more than two). `choices` draws the
// player's own random decisions.
void playThrow(HeadlessGame& table, Strategy strategy, RandomSource& choices);

} // namespace nf::sim
