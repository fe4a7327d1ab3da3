#include "Game.h"
#include "GameFiles.h"
#include "Index.h"

namespace nf {

// Whether the rules take a click on the number now. A number of the throw is taken only as
// part of a choice the throw still allows; a click beside the throw covers nothing, and is
// refused with one die and once the sum has used the throw. The dice rolling is a refusal of
// its own, so that no number is taken on dice the player cannot see yet.
bool Game::acceptsCover(int number) const {
    const ThrowState& t = throw_;
    if (Timer1.enabled() || rolling() || match_.isCovered(number))
        return false;
    if (matchesThrow(number))
        return t.choicesLeft.allows(number);
    return t.DiceCount != 1 && !t.SumTaken;
}

// With one die chosen only the first die's figure counts.
void Game::forgetSecondDieOfASingleThrow() {
    if (throw_.boxTicked)
        throw_.Dice[1] = 0;
}

bool Game::matchesThrow(int number) const {
    const ThrowState& t = throw_;
    return number == t.Dice[0] + t.Dice[1] || number == t.Dice[0] || number == t.Dice[1];
}

bool Game::clickNumber(int number) {
    return personMayAct() && cover(number);
}

bool Game::cover(int number) {
    if (number < 1 || number > 9 || !acceptsCover(number))
        return false;
    forgetSecondDieOfASingleThrow();
    const bool covers = matchesThrow(number);
    if (covers) {
        playSound(sounds::cover);
        scoreCover(number);
    }
    finishCover();
    return covers;
}

// The throw's bookkeeping, the points and the covered number.
void Game::scoreCover(int number) {
    ThrowState& t = throw_;
    const bool isSum = number == t.Dice[0] + t.Dice[1];
    if (isSum)
        t.SumTaken = true;
    ++t.CoveredThisThrow;
    const bool used = t.choicesLeft.take(number);
    if (used) {
        t.throwEnabled = true;
        display_.enableThrow(true);
    }
    const int player = playerOf(match_.CurrentPlayer);
    auto& score = match_.Scores[idx(player)];
    display_.showSpot(number, player);
    score = saturate16(long{score} + number);
    display_.showScore(player, score);
    match_.cover(number);
    display_.showCovered(number);
    if (used && observer_)
        observer_->used(*this, boardOf(match_));
}

// What follows every accepted click, also one that matched nothing: the single-die offer, and
// a cleared board once all nine are covered.
void Game::finishCover() {
    offerSingleDie();
    int count = 0;
    for (int n = 1; n <= 9; ++n)
        count += match_.isCovered(n) ? 1 : 0;
    if (count == 9)
        playagain();
}

} // namespace nf
