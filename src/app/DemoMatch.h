#pragma once

#include <cstdint>
#include <ostream>

namespace nf {

// Plays a whole two-player match with random dice, each player covering the highest
// numbers it may, and tells it throw by throw. Returns the index of the winner, -1 for a draw.
int playDemoMatch(std::ostream& out, std::uint64_t seed);

} // namespace nf
