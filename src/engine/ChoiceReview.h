#pragma once

#include "ThrowRule.h"

#include <optional>

namespace nf {

// One choice of a player scored against best play: the expected points of the best choice
// minus the chosen one's. The one review of a choice, for the simulator's replays and the
// player's record alike.
struct ReviewedChoice {
    enum class Kind { Dice, Cover };
    Kind kind = Kind::Cover;
    Board board = 0; // before the throw
    int d1 = 0;      // Cover: the dice (d2 is 0 with one die)
    int d2 = 0;
    Board chosen = 0; // Cover: the numbers covered; Dice: the number of dice thrown
    Board best = 0;
    double lost = 0;
};

// How many dice to throw where one die was offered.
ReviewedChoice reviewDice(Board board, int diceCount);
// How a settled throw was used; nothing when it allowed no move.
std::optional<ReviewedChoice> reviewCover(Board board, int d1, int d2, Board covers);

} // namespace nf
