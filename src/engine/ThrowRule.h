#pragma once

#include "MatchState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace nf {

// The numbers not open on a board as nine bits: bit n-1 is set when number n is taken.
using Board = std::uint16_t;
constexpr Board kFullBoard = 0x1ff;
constexpr Board kSevenEightNine = 0x1c0;
constexpr Board numberBit(int number) {
    return static_cast<Board>(1u << (number - 1));
}
// Flags other than 0 from a hand-edited file count as taken.
Board boardOf(const MatchState& match);

// One way to use a settled throw: the numbers it covers, their points, and (for best play) the
// points it is worth from here to the end of the turn, its own included.
struct Choice {
    Board covers = 0;
    int points = 0;
    double expected = 0;
};

// The rule of a throw, the one statement of it: the dice (d2 = 0 for one die) may cover their
// sum when it is an open number, or two different open faces taken apart. Empty when the
// throw allows no move; the sum, when allowed, comes first.
std::vector<Choice> legalChoices(Board board, int d1, int d2);

// A settled throw used one click at a time: the legal choices that hold every number covered
// so far in the throw, without those numbers.
class ChoicesLeft {
public:
    ChoicesLeft() = default;
    explicit ChoicesLeft(const std::vector<Choice>& legal);

    // Whether a click may cover the number now.
    bool allows(int number) const;
    // After the number was covered: true when that completed its choice, the throw used up.
    bool take(int number);
    // The numbers a click may still cover.
    Board numbers() const { return static_cast<Board>(left_[0] | left_[1]); }

private:
    std::array<Board, 2> left_{}; // a throw has at most two choices
};

} // namespace nf
