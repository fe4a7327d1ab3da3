#pragma once

#include "Index.h"
#include "Int16.h"

#include <array>
#include <optional>

namespace nf {

// The settings and the match that every window shares for the whole run. Boards, the setup
// screen and the saved game read and write these fields directly.
struct MatchState {
    i16 PlayerCount = 0;            // 2..4 while a board is open
    i16 SoundOn = 0;                // 1 plays sounds, anything else is silence
    i16 ComputerGame = 0;           // 1 when the match is against the computer
    std::optional<i16> HideDesktop; // empty until the title screen or a resume sets it
    i16 CurrentPlayer = 0;          // 0 Red, 1 Magenta, 2 Yellow, 3 Green
    i16 RoundNumber = 0;
    std::array<i16, 4> Scores{};
    std::array<i16, 13> Covered{}; // entry n-1 is 1 when number n is covered; 9..12 stay 0

    bool soundOn() const { return SoundOn == 1; }
    // Number 1..9 covered (its flag is 1; a hand-edited file may hold other values), or open
    // (its flag is 0).
    bool isCovered(int number) const { return flag(number) == 1; }
    bool isOpen(int number) const { return flag(number) == 0; }
    void cover(int number) { Covered[idx(number - 1)] = 1; }
    void clearBoard() {
        for (std::size_t i = 0; i < 9; ++i)
            Covered[i] = 0;
    }

private:
    i16 flag(int number) const { return Covered[idx(number - 1)]; }
};

} // namespace nf
