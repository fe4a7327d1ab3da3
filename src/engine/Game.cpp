#include "Game.h"

#include "DiceDraw.h"
#include "Pauses.h"

namespace nf {

Game::Game(MatchState& match, GameDisplay& display, Scheduler& scheduler, RandomSource& random,
           Clock& clock)
    : Timer3(scheduler, "Timer3", pauses::kResultBlinks, [this] { blink(); }),
      Timer2(scheduler, "Timer2", pauses::kTurnOverShown, [this] { turnOver(); }),
      Timer1(scheduler, "Timer1", pauses::kNextTurnStarts, [this] { startOfTurn(); }),
      Timer5(scheduler, "Timer5", pauses::kFirstDieSettles, [this] { settle(); }),
      Timer8(scheduler, "Timer8", pauses::kRollingStarts, [this] { roll(); }), match_(match),
      display_(display), random_(random), clock_(clock) {}

namespace {
// The board's timers in the window's order, of a game or of a game that may not change.
template <class G>
auto timersOf(G& game) {
    return std::array{&game.Timer3, &game.Timer2, &game.Timer1, &game.Timer5, &game.Timer8};
}
} // namespace

Game::Moment Game::moment() const {
    Moment m{match_, throw_, end_, {}};
    const auto timers = timersOf(*this);
    for (std::size_t i = 0; i < m.timers.size(); ++i)
        m.timers[i] = {timers[i]->enabled(), timers[i]->interval()};
    return m;
}

void Game::restore(const Moment& moment) {
    match_ = moment.match;
    throw_ = moment.throwState;
    end_ = moment.end;
    const auto timers = timersOf(*this);
    for (std::size_t i = 0; i < timers.size(); ++i) {
        timers[i]->setEnabled(false);
        timers[i]->setInterval(moment.timers[i].interval);
        timers[i]->setEnabled(moment.timers[i].on);
    }
}

void Game::playSound(std::string_view file) {
    if (match_.soundOn())
        display_.playSound(file);
}

void Game::load(Opening opening) {
    end_.GameOver = 0;
    throw_.DiceCount = 2;
    if (opening == Opening::New) {
        match_.RoundNumber = 1;
        match_.Scores = {};
        match_.CurrentPlayer = 0;
        match_.clearBoard();
    }
    for (int p = 0; p < kPlayers; ++p)
        display_.showScore(p, match_.Scores[static_cast<std::size_t>(p)]);
    if (opening == Opening::Resume)
        showResumedMatch();
    display_.showRoundCaption(roundCaption(match_.RoundNumber));
    afterLoad();
}

void Game::showResumedMatch() {
    const std::optional<int> player = resumedPlayer();
    if (player) {
        display_.setMessageColour(playerColour(*player));
        display_.showMessage(turnMessage(*player).english);
        for (int n = 1; n <= 9; ++n)
            if (match_.isCovered(n))
                display_.showSpot(n, *player);
    }
    display_.dressBoard(player.value_or(0)); // a board left as designed is dressed for Red
    for (int n = 1; n <= 9; ++n)
        if (match_.isCovered(n))
            display_.showCovered(n);
}

bool Game::clickThrowDice() {
    if (!personMayAct() || !canThrow())
        return false;
    throwdice();
    return true;
}

void Game::throwdice() {
    const auto dice = drawDice(random_, clock_, throw_);
    startThrow(dice[0], dice[1]);
}

bool Game::clickSingleDieBox() {
    if (!throw_.boxShown)
        return false;
    setSingleDieTicked(!throw_.boxTicked);
    return true;
}

void Game::setSingleDieTicked(bool ticked) {
    if (ticked == throw_.boxTicked)
        return;
    throw_.boxTicked = ticked;
    display_.tickSingleDieBox(ticked);
    singleDieChanged();
}

void Game::singleDieChanged() {
    display_.showSecondDie(!throw_.boxTicked);
    throw_.DiceCount = throw_.boxTicked ? 1 : 2;
    throw_.Dice[0] = 0;
    throw_.Dice[1] = 0;
    display_.showDie(0, 0);
    display_.showDie(1, 0);
}

bool Game::sevenEightNineCovered() const {
    return match_.isCovered(7) && match_.isCovered(8) && match_.isCovered(9);
}

// Offered only while the throw is used up: ticking the box in the middle of a throw would
// blank the dice with "Throw Dice" still disabled, leaving nothing to cover or throw.
void Game::offerSingleDie() {
    if (sevenEightNineCovered() && throw_.throwEnabled) {
        throw_.boxShown = true;
        display_.showSingleDieBox(true);
    }
}

} // namespace nf
