#include "Game.h"
#include "GameFiles.h"
#include "Index.h"
#include "Pauses.h"

namespace nf {

void Game::turnOver() {
    playSound(sounds::turnOver);
    display_.showMessage(MessageKind::TurnOver, 0);
    match_.CurrentPlayer =
        static_cast<i16>(floorMod(long{match_.CurrentPlayer} + 1, match_.PlayerCount));
    Timer1.setEnabled(true);
    Timer2.setEnabled(false);
}

void Game::startOfTurn() {
    Timer1.setInterval(pauses::kNextTurnStarts);
    throw_.boxShown = false;
    display_.showSingleDieBox(false);
    setSingleDieTicked(false);
    display_.showSecondDie(true);
    throw_.DiceCount = 2;
    display_.clearSpots();
    match_.Covered = {};
    for (int die = 0; die < 2; ++die) {
        display_.showDie(die, 0);
        throw_.Dice[idx(die)] = 0;
    }
    const int player = playerOf(match_.CurrentPlayer);
    display_.setMessageColour(playerColour(player));
    display_.showMessage(MessageKind::ToPlay, player);
    display_.dressBoard(player);
    if (!openRound())
        return;
    throw_.throwEnabled = true;
    display_.enableThrow(true);
    Timer1.setEnabled(false);
    afterTurnStart();
}

// A turn that gives the dice to Red opens a round; the one after the last ends the match
// (false). A round beyond the last from a hand-edited saved game ends it too.
bool Game::openRound() {
    if (playerOf(match_.CurrentPlayer) != 0)
        return true;
    match_.RoundNumber = saturate16(long{match_.RoundNumber} + 1);
    if (match_.RoundNumber > kRounds) {
        Timer1.setEnabled(false);
        endofgame();
        return false;
    }
    display_.showRound(match_.RoundNumber);
    return true;
}

// All nine covered: the same player gets a cleared board after the pause. Red's clearing
// takes back the round that the next start of a turn will count.
void Game::playagain() {
    if (playerOf(match_.CurrentPlayer) == 0)
        match_.RoundNumber = saturate16(long{match_.RoundNumber} - 1);
    Timer1.setEnabled(true);
}

void Game::endofgame() {
    EndState& e = end_;
    e.GameOver = true;
    for (std::size_t i = 0; i < 4; ++i)
        e.FinalScores[i] = match_.Scores[i];
    i16 best = e.FinalScores[0];
    e.Winner = 0;
    for (i16 i = 1; i < 4; ++i)
        if (e.FinalScores[idx(i)] > best) {
            best = e.FinalScores[idx(i)];
            e.Winner = i;
        }
    e.Draw = false;
    for (i16 i = 0; i < 4; ++i)
        if (e.FinalScores[idx(i)] == best && i != e.Winner)
            e.Draw = true;
    display_.showMessage(e.Draw ? MessageKind::Draw : MessageKind::HasWon, e.Winner);
    playSound(sounds::endOfGame);
    Timer3.setEnabled(true);
    display_.showEndOfGame();
    display_.dressResult(e.Winner);
    if (observer_)
        observer_->ended(*this);
}

// The parity alone matters; wrapping keeps it alternating however long the result blinks.
void Game::blink() {
    end_.BlinkCount = static_cast<i16>(end_.BlinkCount == 32767 ? 0 : end_.BlinkCount + 1);
    display_.setMessageColour(end_.BlinkCount % 2 == 1 ? colours::white
                                                       : playerColour(end_.Winner));
}

// A throw still rolling is stopped, so the new match never settles the old throw.
bool Game::clickNewGame() {
    if (handOverPending())
        return false;
    Timer5.setEnabled(false);
    Timer8.setEnabled(false);
    Timer3.setEnabled(false);
    throw_.DiceCount = 2;
    match_.Scores = {};
    match_.CurrentPlayer = 0;
    match_.RoundNumber = 0;
    end_.GameOver = false;
    for (int p = 0; p < kPlayers; ++p)
        display_.showScore(p, 0);
    Timer1.setInterval(pauses::kNewMatchStarts);
    Timer1.setEnabled(true);
    playSound(sounds::click);
    if (observer_)
        observer_->newMatch();
    return true;
}

} // namespace nf
