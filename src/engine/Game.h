#pragma once

#include "GameDisplay.h"
#include "MatchState.h"
#include "Random.h"
#include "ThrowState.h"
#include "Timer.h"

#include <array>
#include <optional>

namespace nf {

// How a board opens: for a new match, or to continue the match in the shared state.
enum class Opening { New, Resume };

class Game;

// Told what a match does, for a record of it: the throws, how each was used, the end.
class GameObserver {
public:
    virtual ~GameObserver() = default;
    // A throw accepted: the board before it, whether one die was offered, the dice (d2 is 0
    // with one die).
    virtual void thrown(const Game& game, Board before, bool offered, int d1, int d2) = 0;
    // The throw used up; the board after it (full when it was cleared).
    virtual void used(const Game& game, Board after) = 0;
    virtual void ended(const Game& game) = 0;
    virtual void newMatch() = 0;
};

// The game on one board window: the rules of a throw, the cover operation, the single-die
// option, the hand-over between turns, the end of the match and a new match. It owns the
// board's timers; the match state it plays on is shared with the other windows. It never
// draws: everything shown goes through GameDisplay.
class Game {
public:
    Game(MatchState& match, GameDisplay& display, Scheduler& scheduler, RandomSource& random,
         Clock& clock);
    virtual ~Game() = default;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The window's load: a new match, or the match already in the shared state, shown as
    // resumed.
    void load(Opening opening);

    // A hand-over is running: the buttons take no clicks.
    bool handOverPending() const { return Timer1.enabled() || Timer2.enabled(); }
    bool rolling() const { return Timer5.enabled(); }
    bool canThrow() const { return !handOverPending() && throw_.throwEnabled; }
    // Whether the person at the board may throw and cover now; not while the computer plays.
    virtual bool personMayAct() const { return true; }

    // "Throw Dice": draws the dice from a generator reseeded from the time of day.
    bool clickThrowDice();
    // "Throw Dice" with the values given (d2 is ignored with one die); false when refused.
    bool throwDice(int d1, int d2);
    // The person's click on number 1..9 (or the spot under it); true when it was covered.
    bool clickNumber(int number);
    // A click on "Throw Just One Die"; false while the box is hidden.
    bool clickSingleDieBox();
    // "New Game"; false when refused during a hand-over.
    bool clickNewGame();

    // Whether the dice show rolling figures before they settle. Simulations leave them out:
    // the figures change nothing but the display (each throw reseeds the generator).
    void setRollingShown(bool shown) { rollingShown_ = shown; }
    void setObserver(GameObserver* observer) { observer_ = observer; }

    // The match and the board at a moment, to come back to when trying several clicks from
    // one throw. The display is not part of it; a timer that was on starts its countdown afresh.
    struct Moment {
        struct TimerSetting {
            bool on = false;
            int interval = 0;
        };
        MatchState match;
        ThrowState throwState;
        EndState end;
        std::array<TimerSetting, 5> timers{}; // in the window's order
    };
    Moment moment() const;
    void restore(const Moment& moment);

    const MatchState& match() const { return match_; }
    const ThrowState& throwState() const { return throw_; }
    const EndState& endState() const { return end_; }

    // The window's timers, in the window's order (which decides ties between their ticks).
    Timer Timer3; // end-of-match blinker
    Timer Timer2; // turn over
    Timer Timer1; // start of a turn
    Timer Timer5; // settling of the dice
    Timer Timer8; // rolling of the dice

protected:
    // After a cover: offer the single-die option once 7, 8 and 9 are covered.
    virtual void offerSingleDie();
    // After the last die has settled and the no-move test has run.
    virtual void afterSettled() {}
    // After a turn has started (not when the match has just ended).
    virtual void afterTurnStart() {}
    // After the window's load has shown the match.
    virtual void afterLoad() {}
    // The player whose message and spots a resumed board shows; none keeps the designed look.
    virtual std::optional<int> resumedPlayer() const { return playerOf(match_.CurrentPlayer); }

    // The throw itself (throwdice), drawn from the time of day, without the button's guards.
    void throwdice();
    // The cover operation on number 1..9, whoever clicks; true when it was covered.
    bool cover(int number);
    void setSingleDieTicked(bool ticked); // a change by the program runs the click handling
    bool sevenEightNineCovered() const;
    void playSound(std::string_view file);

    MatchState& match_;
    GameDisplay& display_;
    RandomSource& random_;
    Clock& clock_;
    ThrowState throw_;
    EndState end_;
    bool rollingShown_ = true;
    GameObserver* observer_ = nullptr;

private:
    void startThrow(int d1, int d2);
    void showResumedMatch();
    void singleDieChanged();
    bool acceptsCover(int number) const;
    void forgetSecondDieOfASingleThrow();
    bool matchesThrow(int number) const;
    void scoreCover(int number);
    void finishCover();

    void roll();   // Timer8
    void settle(); // Timer5
    void checkturnover();

    void turnOver();    // Timer2
    void startOfTurn(); // Timer1
    bool openRound();
    void playagain();
    void endofgame();
    void blink(); // Timer3
};

} // namespace nf
