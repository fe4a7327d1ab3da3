#include "DiceDraw.h"
#include "Game.h"
#include "GameFiles.h"
#include "Index.h"
#include "Pauses.h"
#include "ThrowRule.h"

namespace nf {
namespace {
bool isFace(int value) {
    return value >= 1 && value <= 6;
}
} // namespace

bool Game::throwDice(int d1, int d2) {
    const bool twoDice = throw_.DiceCount != 1;
    if (!personMayAct() || !canThrow() || !isFace(d1) || (twoDice && !isFace(d2)))
        return false;
    startThrow(d1, d2);
    return true;
}

void Game::startThrow(int d1, int d2) {
    ThrowState& t = throw_;
    const bool twoDice = t.DiceCount != 1;
    if (observer_)
        observer_->thrown(*this, boardOf(match_), t.boxShown, d1, twoDice ? d2 : 0);
    t.boxShown = false;
    display_.showSingleDieBox(false);
    t.CoveredThisThrow = 0;
    t.SumTaken = false;
    t.Dice[0] = static_cast<i16>(d1);
    if (twoDice)
        t.Dice[1] = static_cast<i16>(d2);
    t.SettledDice = 0;
    Timer5.setInterval(pauses::kFirstDieSettles);
    Timer5.setEnabled(true);
    Timer8.setEnabled(rollingShown_);
    t.throwEnabled = false;
    display_.enableThrow(false);
    playSound(sounds::dice);
}

// The dice not yet settled show random figures; the hidden second die of a single-die throw
// rolls too, unseen.
void Game::roll() {
    Timer8.setInterval(pauses::kRollingFrame);
    for (int die = throw_.SettledDice; die < 2; ++die)
        display_.showDie(die, drawFigure(random_));
    if (throw_.SettledDice >= throw_.DiceCount)
        Timer8.setEnabled(false);
}

void Game::settle() {
    ThrowState& t = throw_;
    Timer5.setInterval(pauses::kNextDieSettles);
    if (t.SettledDice < 0 || t.SettledDice > 1) {
        Timer5.setEnabled(false);
        return;
    }
    display_.showDie(t.SettledDice, t.Dice[idx(t.SettledDice)]);
    ++t.SettledDice;
    if (t.SettledDice >= t.DiceCount) {
        Timer5.setEnabled(false);
        checkturnover();
        afterSettled();
    }
}

// The no-move test, once the last die has settled: the throw's legal choices on the board as
// it stands; without one the turn is over.
void Game::checkturnover() {
    ThrowState& t = throw_;
    if (t.DiceCount == 1)
        t.Dice[1] = 0;
    const std::vector<Choice> legal = legalChoices(boardOf(match_), t.Dice[0], t.Dice[1]);
    t.choicesLeft = ChoicesLeft(legal);
    t.TurnOver = legal.empty();
    if (t.TurnOver)
        Timer2.setEnabled(true);
}

} // namespace nf
