#pragma once

#include "DisplayModel.h"
#include "Game.h"
#include "MatchState.h"
#include "VirtualClock.h"
#include "VirtualScheduler.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace nf {

// A board without a window, in virtual time: the clicks a player would make, and time that
// passes only when asked. Refused clicks change nothing, as on the real board.
class HeadlessGame {
public:
    using GameFactory = std::function<std::unique_ptr<Game>(MatchState&, GameDisplay&, Scheduler&,
                                                            RandomSource&, Clock&)>;

    // A new match for the given number of players, with sound on, as the setup screen opens it.
    explicit HeadlessGame(int players, std::uint64_t seed = 0, const GameFactory& makeGame = {});
    // A board opened to continue the given match, as the saved game resumes it.
    static std::unique_ptr<HeadlessGame> resume(const MatchState& saved, std::uint64_t seed = 0);

    // The board as just opened with this seed, for a new match played exactly as on a board
    // made afresh, at the same time of day, without making one.
    void openAgain(std::uint64_t seed);

    // "Throw Dice" with the given dice (d2 unused with one die), then the time until the last
    // die has settled and the no-move test has run. False, and no time passes, when refused.
    bool throwDice(int d1, int d2 = 0);
    // "Throw Dice" with dice drawn as the board draws them, then the settling time.
    bool throwRandom();
    bool cover(int number) { return game_->clickNumber(number); }
    bool tickBox() { return game_->clickSingleDieBox(); }
    bool newGame() { return game_->clickNewGame(); }
    void wait(std::int64_t ms) { scheduler_.advance(ms); }

    // round=R player=P scores=A,B,C,D covered=XXXXXXXXX dice=D1,D2 dicecount=N throw=on|off
    // box=hidden|shown message="..." gameover=0|1
    std::string stateLine() const;

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    const DisplayModel& shown() const { return shown_; }
    VirtualScheduler& scheduler() { return scheduler_; }
    MatchState& match() { return match_; }

private:
    struct Resumed {};
    HeadlessGame(const MatchState& saved, std::uint64_t seed, Resumed);
    static std::unique_ptr<Game> plainGame(MatchState& match, GameDisplay& display,
                                           Scheduler& scheduler, RandomSource& random,
                                           Clock& clock);
    void settleThrow(int diceCount);

    MatchState match_;
    VirtualScheduler scheduler_;
    VirtualClock clock_;
    Game::Moment opened_;
    SeededRandom random_;
    DisplayModel shown_;
    std::unique_ptr<Game> game_;
};

} // namespace nf
