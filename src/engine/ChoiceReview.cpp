#include "ChoiceReview.h"

#include "BestPlay.h"

namespace nf {

ReviewedChoice reviewDice(Board board, int diceCount) {
    const BestPlay& play = BestPlay::solved();
    const bool one = diceCount == 1;
    ReviewedChoice r;
    r.kind = ReviewedChoice::Kind::Dice;
    r.board = board;
    r.chosen = one ? 1 : 2;
    r.best = play.oneDieBetter(board) ? 1 : 2;
    r.lost = play.turn(board) - (one ? play.oneDie(board) : play.twoDice(board));
    return r;
}

std::optional<ReviewedChoice> reviewCover(Board board, int d1, int d2, Board covers) {
    const std::vector<Choice> choices = BestPlay::solved().choices(board, d1, d2);
    if (choices.empty())
        return std::nullopt;
    double chosen = choices.front().expected;
    for (const Choice& c : choices)
        if (c.covers == covers)
            chosen = c.expected;
    ReviewedChoice r;
    r.board = board;
    r.d1 = d1;
    r.d2 = d2;
    r.chosen = covers;
    r.best = choices.front().covers;
    r.lost = choices.front().expected - chosen;
    return r;
}

} // namespace nf
