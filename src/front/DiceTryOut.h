#pragma once

#include "engine/MatchState.h"
#include "engine/Random.h"
#include "engine/Timer.h"

#include <array>
#include <functional>
#include <string_view>

namespace nf {

// The dice try-out of rules page 2: four dice decided at once by a click, rolling and then
// settling one by one on the page's own timers (two of them are shown). Quicker without
// sound. It keeps no game state.
class DiceTryOut {
public:
    struct Display {
        std::function<void(int die, int face)> showFace; // face 0 blanks the die
        std::function<void(int die)> enableDie;
        std::function<void(std::string_view file)> playSound;
    };

    DiceTryOut(const MatchState& match, Scheduler& scheduler, RandomSource& random, Clock& clock,
               Display display);

    // "Throw Dice": also while the dice roll, which starts the try-out over.
    void throwDice();

    int face(int die) const { return TryDice[static_cast<std::size_t>(die)]; }
    int settledDice() const { return SettledDice; }

    Timer Timer5; // settling, one die per tick
    Timer Timer8; // rolling faces

private:
    void roll();
    void settle();

    const MatchState& match_;
    RandomSource& random_;
    Clock& clock_;
    Display display_;
    std::array<int, 5> TryDice{};
    int SettledDice = 0;
};

} // namespace nf
