#pragma once

#include "Strategy.h"

#include <cstdint>
#include <ostream>
#include <vector>

namespace nf::sim {

struct SeatFigures {
    long wins = 0, draws = 0, clears = 0, throws = 0;
    double totalSum = 0, totalSquares = 0;
};

struct PlayFigures {
    int players = 0;
    long matches = 0;
    std::vector<SeatFigures> seats;
};

// Plays whole matches in virtual time, as fast as the machine allows; the same seed plays the
// same matches.
PlayFigures playMatches(int players, long matches, std::uint64_t seed,
                        const std::vector<Strategy>& strategies);

void printFigures(std::ostream& out, const PlayFigures& figures, std::uint64_t seed,
                  const std::vector<Strategy>& strategies);

} // namespace nf::sim
