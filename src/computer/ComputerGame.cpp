#include "ComputerGame.h"

#include "engine/Pauses.h"

namespace nf {

ComputerGame::ComputerGame(MatchState& match, GameDisplay& display, Scheduler& scheduler,
                           RandomSource& random, Clock& clock, ComputerPlay play)
    : Game(match, display, scheduler, random, clock),
      Timer6(scheduler, "Timer6", pauses::kComputerTries, [this] { scanStep(); }),
      Timer4(scheduler, "Timer4", pauses::kComputerThrows, [this] { computerThrow(); }),
      play_(play) {}

bool ComputerGame::numberclick() {
    return cover(ClickedIndex + 1);
}

// On its own turn the computer takes one die at once, unseen; the person gets the box.
// Like the other board, the box waits until the throw is used up.
void ComputerGame::offerSingleDie() {
    if (!sevenEightNineCovered() || !throw_.throwEnabled)
        return;
    throw_.boxShown = true;
    display_.showSingleDieBox(true);
    if (computersTurn()) {
        throw_.boxShown = false;
        display_.showSingleDieBox(false);
        setSingleDieTicked(play_ == ComputerPlay::Classic ||
                           BestPlay::solved().oneDieBetter(boardOf(match_)));
    }
}

void ComputerGame::afterSettled() {
    if (computersTurn())
        startScan();
}

void ComputerGame::startScan() {
    random_.reseed(clock_.secondsSinceMidnight());
    ScanOrder = static_cast<i16>(static_cast<int>(random_.next() * 2) + 1);
    ScanStep = 0;
    aim_ = kFullBoard;
    if (play_ == ComputerPlay::Expert)
        aim_ = bestCovers(match_, throw_);
    Timer6.setEnabled(true);
}

void ComputerGame::scanStep() {
    if (match_.CurrentPlayer == 0 || ScanStep > 8) {
        Timer6.setEnabled(false);
        return;
    }
    ClickedIndex = static_cast<i16>(ScanOrder == 1 ? 8 - ScanStep : ScanStep);
    if (aim_ & numberBit(ClickedIndex + 1))
        numberclick();
    // A cleared board ends the scan at once: the start of the new turn throws, and a throw
    // from this scan would roll over that one.
    if (Timer1.enabled()) {
        Timer6.setEnabled(false);
        return;
    }
    if (ScanStep == 8) {
        Timer6.setEnabled(false);
        Timer4.setEnabled(true);
    }
    ++ScanStep;
}

void ComputerGame::computerThrow() {
    if (computersTurn())
        throwdice();
    Timer4.setEnabled(false);
}

void ComputerGame::afterTurnStart() {
    Timer6.setEnabled(false); // a new turn ends any scan of the throw before
    if (computersTurn())
        Timer4.setEnabled(true);
}

void ComputerGame::afterLoad() {
    if (computersTurn())
        Timer4.setEnabled(true);
}

std::optional<int> ComputerGame::resumedPlayer() const {
    const int player = playerOf(match_.CurrentPlayer);
    return player <= 1 ? std::optional<int>(player) : std::nullopt;
}

} // namespace nf
