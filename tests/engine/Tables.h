#pragma once

#include "engine/HeadlessGame.h"

#include <initializer_list>
#include <set>

namespace nf::test {

// A saved match with the given numbers covered, as a board would resume it.
inline MatchState savedMatch(std::initializer_list<int> covered, int players = 2, int current = 0,
                             int round = 1) {
    MatchState m;
    m.PlayerCount = static_cast<i16>(players);
    m.CurrentPlayer = static_cast<i16>(current);
    m.RoundNumber = static_cast<i16>(round);
    m.SoundOn = 1;
    m.HideDesktop = 0;
    for (int n : covered)
        m.Covered[idx(n - 1)] = 1;
    return m;
}

inline std::set<int> coveredNumbers(const MatchState& m) {
    std::set<int> numbers;
    for (int n = 1; n <= 9; ++n)
        if (m.Covered[idx(n - 1)] == 1)
            numbers.insert(n);
    return numbers;
}

} // namespace nf::test
