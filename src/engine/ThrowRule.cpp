#include "ThrowRule.h"

namespace nf {
namespace {

bool onBoard(Board board, int number) {
    return number >= 1 && number <= 9 && (board & numberBit(number)) == 0;
}

} // namespace

Board boardOf(const MatchState& match) {
    Board board = 0;
    for (int n = 1; n <= 9; ++n)
        if (!match.isOpen(n))
            board = static_cast<Board>(board | numberBit(n));
    return board;
}

std::vector<Choice> legalChoices(Board board, int d1, int d2) {
    std::vector<Choice> choices;
    const int sum = d1 + d2;
    if (onBoard(board, sum))
        choices.push_back({numberBit(sum), sum, 0});
    if (d2 != 0 && d1 != d2 && onBoard(board, d1) && onBoard(board, d2))
        choices.push_back({static_cast<Board>(numberBit(d1) | numberBit(d2)), sum, 0});
    return choices;
}

ChoicesLeft::ChoicesLeft(const std::vector<Choice>& legal) {
    for (std::size_t i = 0; i < legal.size() && i < left_.size(); ++i)
        left_[i] = legal[i].covers;
}

bool ChoicesLeft::allows(int number) const {
    return number >= 1 && number <= 9 && (numbers() & numberBit(number)) != 0;
}

bool ChoicesLeft::take(int number) {
    const Board bit = number >= 1 && number <= 9 ? numberBit(number) : Board{0};
    bool complete = false;
    for (Board& choice : left_) {
        if ((choice & bit) == 0) {
            choice = 0; // a choice without the number is no longer open
            continue;
        }
        choice = static_cast<Board>(choice & ~bit);
        complete = complete || choice == 0;
    }
    return complete;
}

} // namespace nf
