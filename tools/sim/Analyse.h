#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace nf::sim {

// ninefold-sim analyse [--covered XXXXXXXXX [--dice D1 D2 | --dice D]] [--table]
// The exact values of best play: a turn from an open board, or a given board (nine 0/1 digits
// for the numbers 1 to 9) with its choices for the dice, or every board. Returns the exit
// status: 0, or 2 after a usage error said on `err`.
int analyse(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace nf::sim
