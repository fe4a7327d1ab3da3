#pragma once

#include "ComputerPlay.h"
#include "engine/BestPlay.h"
#include "engine/Game.h"

namespace nf {

// The game against the computer: the person plays Red, the computer Magenta. After each of
// its throws the computer tries the nine numbers, one every 500 ms, from 9 down or from 1 up
// (drawn at random for each throw), through the same cover operation as a person's click;
// it throws 1000 ms after its turn starts and after each scan. Everything runs on the
// board's timers. The expert keeps that pace and that scan, but its tries click only the
// numbers of the best choice, and it takes one die only when that is worth more.
class ComputerGame : public Game {
public:
    ComputerGame(MatchState& match, GameDisplay& display, Scheduler& scheduler,
                 RandomSource& random, Clock& clock, ComputerPlay play = ComputerPlay::Classic);

    // The computer's own timers, first in the window's order.
    Timer Timer6; // one try of the scan per tick
    Timer Timer4; // the computer's throw

    i16 clickedIndex() const { return ClickedIndex; }
    i16 scanOrder() const { return ScanOrder; }
    i16 scanStep() const { return ScanStep; }
    ComputerPlay play() const { return play_; }

    // The person plays Red; the computer's turns play themselves.
    bool personMayAct() const override { return !computersTurn(); }

protected:
    void offerSingleDie() override;
    void afterSettled() override;
    void afterTurnStart() override;
    void afterLoad() override;
    std::optional<int> resumedPlayer() const override;

private:
    bool computersTurn() const { return match_.CurrentPlayer == 1; }
    bool numberclick();
    void startScan();
    void scanStep();      // Timer6
    void computerThrow(); // Timer4

    const ComputerPlay play_;
    Board aim_ = kFullBoard; // the numbers the expert's tries click in this scan
    i16 ClickedIndex = 0;
    i16 ScanOrder = 0;
    i16 ScanStep = 0;
};

} // namespace nf
