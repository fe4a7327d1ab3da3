#pragma once

#include "Int16.h"

#include <array>

namespace nf {

struct NoMoveResult {
    i16 TurnOver = 1;
    i16 SumOnly = 0;
};

// The test run once the dice of a throw have settled (checkturnover): whether the throw
// allows a move on this board, and whether its dice may only be taken as their sum.
// d2 is ignored with one die. Covered holds the flags of the numbers 1..9 in entries 0..8.
NoMoveResult checkTurnOver(int d1, int d2, int diceCount, bool singleDieChosen,
                           const std::array<i16, 13>& covered);

} // namespace nf
