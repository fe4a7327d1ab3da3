#include "BestPlay.h"

#include <algorithm>
#include <cmath>

namespace nf {

const BestPlay& BestPlay::solved() {
    static const BestPlay play;
    return play;
}

// Every move covers at least one more number, so one sweep from the fuller boards down to the
// open one values every board, given a value for the full board. The open board's value is a
// non-decreasing function of that guess with slope the chance of clearing (below one), so
// repeating from zero climbs to the fixed point.
BestPlay::BestPlay() {
    double guess = 0;
    for (sweeps_ = 1; sweeps_ < 200; ++sweeps_) {
        const double value = sweep(guess);
        const bool settled = std::abs(value - guess) < 1e-12;
        guess = value;
        if (settled)
            break;
    }
    open_ = guess;
    sweep(open_);
}

double BestPlay::after(Board board) const {
    board &= kFullBoard;
    return board == kFullBoard ? open_ : turn(board);
}

double BestPlay::turn(Board board) const {
    board &= kFullBoard;
    if (board == kFullBoard)
        return open_;
    return oneDieBetter(board) ? one_[board] : two_[board];
}

bool BestPlay::oneDieBetter(Board board) const {
    board &= kFullBoard;
    return (board & kSevenEightNine) == kSevenEightNine && board != kFullBoard &&
           one_[board] > two_[board];
}

double BestPlay::bestOfThrow(Board board, int d1, int d2) const {
    double best = 0; // no move: the turn ends
    for (const Choice& c : legalChoices(board, d1, d2))
        best = std::max(best, c.points + after(static_cast<Board>(board | c.covers)));
    return best;
}

double BestPlay::sweep(double openValue) {
    open_ = openValue;
    for (int b = kFullBoard - 1; b >= 0; --b) {
        const auto board = static_cast<Board>(b);
        double two = 0;
        for (int d1 = 1; d1 <= 6; ++d1)
            for (int d2 = 1; d2 <= 6; ++d2)
                two += bestOfThrow(board, d1, d2);
        two_[board] = two / 36;
        one_[board] = 0;
        if ((board & kSevenEightNine) == kSevenEightNine) {
            double one = 0;
            for (int d = 1; d <= 6; ++d)
                one += bestOfThrow(board, d, 0);
            one_[board] = one / 6;
        }
    }
    return turn(0);
}

std::vector<Choice> BestPlay::choices(Board board, int d1, int d2) const {
    std::vector<Choice> choices = legalChoices(board, d1, d2);
    for (Choice& c : choices)
        c.expected = c.points + after(static_cast<Board>(board | c.covers));
    std::stable_sort(choices.begin(), choices.end(),
                     [](const Choice& a, const Choice& b) { return a.expected > b.expected; });
    return choices;
}

Board bestCovers(const MatchState& match, const ThrowState& settled) {
    const auto choices = BestPlay::solved().choices(boardOf(match), settled.Dice[0],
                                                    settled.DiceCount == 1 ? 0 : settled.Dice[1]);
    return choices.empty() ? Board{0} : choices.front().covers;
}

} // namespace nf
