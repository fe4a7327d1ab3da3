#pragma once

namespace nf::pauses {

// Every pause of the game, in milliseconds, as its timers count them. The catalogue gives the
// timers these intervals as designed; the engine switches between them as the game goes.

// The dice of a throw: the first die settles this long after the throw, each next one after
// the next pause; until then the dice show rolling figures, a new one at each frame.
constexpr int kFirstDieSettles = 1800;                            // Timer5, at the throw
constexpr int kNextDieSettles = 250;                              // Timer5, after the first die
constexpr int kRollingStarts = 250;                               // Timer8 as designed
constexpr int kRollingFrame = 5;                                  // Timer8 once rolling
constexpr int kThrowSettles = kFirstDieSettles + kNextDieSettles; // two dice, all told

// Hand-overs: "TURN OVER" after a throw without a move, then the next turn; the same pause
// before a cleared board; a new match starts at once.
constexpr int kTurnOverShown = 500;   // Timer2
constexpr int kNextTurnStarts = 2000; // Timer1
constexpr int kNewMatchStarts = 1;    // Timer1 after "New Game"
constexpr int kHandOver = kTurnOverShown + kNextTurnStarts;

constexpr int kResultBlinks = 250; // Timer3

// A hint: the controls it shows lit and unlit in turn, four times, a second in all.
constexpr int kHintPhase = 125; // the board's HintBlink
constexpr int kHintShown = 8 * kHintPhase;

// The computer: its throw after its turn starts or after a scan, and one try of the scan.
constexpr int kComputerThrows = 1000; // Timer4
constexpr int kComputerTries = 500;   // Timer6

// The rules page's dice try-out: slower with sound (the sound lasts), then one die a pause.
constexpr int kTryOutSettlesAsDesigned = 1000; // its Timer5 before the first throw
constexpr int kTryOutSettlesWithSound = 1500;
constexpr int kTryOutSettlesSilently = 300;
constexpr int kTryOutRollsWithSound = 1200;
constexpr int kTryOutRollsSilently = 100;
constexpr int kTryOutNextDieSettles = 250;

} // namespace nf::pauses
