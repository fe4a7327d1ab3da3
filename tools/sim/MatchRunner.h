#pragma once

#include "Strategy.h"
#include "computer/ComputerPlay.h"
#include "engine/MatchLog.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

namespace nf::sim {

struct SeatFigures {
    long wins = 0, draws = 0, clears = 0, throws = 0, turns = 0;
    double totalSum = 0, totalSquares = 0;
};

struct PlayFigures {
    int players = 0; // 1: the person against the computer, which takes the second seat
    ComputerPlay computer = ComputerPlay::Classic;
    long matches = 0;
    std::vector<SeatFigures> seats;
};

// Plays whole matches in virtual time, as fast as the machine allows; the same seed plays the
// same matches. With one player, the strategy plays Red against the computer's own turns.
// Each match played to its end, when asked, goes to `ended` with its throws.
using MatchEnded = std::function<void(const MatchSummary&, const MatchLog&)>;
PlayFigures playMatches(int players, long matches, std::uint64_t seed,
                        const std::vector<Strategy>& strategies,
                        ComputerPlay computer = ComputerPlay::Classic,
                        const MatchEnded& ended = {});

// Points per turn, and how far that is from the exact value of best play.
void printFigures(std::ostream& out, const PlayFigures& figures, std::uint64_t seed,
                  const std::vector<Strategy>& strategies);

// Every strategy against the optimal one in two-player matches, half of them from each seat.
void printComparison(std::ostream& out, long matches, std::uint64_t seed);

} // namespace nf::sim
