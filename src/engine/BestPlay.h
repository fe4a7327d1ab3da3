#pragma once

#include "MatchState.h"
#include "ThrowRule.h"
#include "ThrowState.h"

#include <array>
#include <vector>

namespace nf {

// The exact best play of a turn. A turn's future depends only on the board: each throw is
// used as one of its legal choices (the same points whichever; only the board left differs),
// one die may be chosen once 7, 8 and 9 are covered, and a full board clears and
// the turn goes on, so a full board is worth what an open one is. The values solve that
// fixed point to within 1e-12 points.
class BestPlay {
public:
    // Solved at first use (a few milliseconds), shared and read-only after.
    static const BestPlay& solved();

    // Expected points of the rest of the turn before a throw, with the better number of dice.
    double turn(Board board) const;
    double twoDice(Board board) const { return two_[board & kFullBoard]; }
    // Only meaningful once 7, 8 and 9 are covered.
    double oneDie(Board board) const { return one_[board & kFullBoard]; }
    bool oneDieBetter(Board board) const;
    // What the board left by a move is worth: a full board is an open one again.
    double after(Board board) const;

    // The legal choices with their expected points, best first (ties in a fixed order: the
    // sum before the faces).
    std::vector<Choice> choices(Board board, int d1, int d2) const;

    int sweeps() const { return sweeps_; }

private:
    BestPlay();
    double sweep(double openValue);
    double bestOfThrow(Board board, int d1, int d2) const;

    std::array<double, 512> two_{}, one_{};
    double open_ = 0;
    int sweeps_ = 0;
};

// The numbers the best choice covers with the settled dice of the throw on the match's board
// (one die or two, as the throw has them); 0 when the throw allows no move.
Board bestCovers(const MatchState& match, const ThrowState& settled);

} // namespace nf
