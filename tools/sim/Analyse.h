#pragma once

#include "engine/BestPlay.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace nf::sim {

// What `ninefold-sim analyse` is asked, as the command line checked it.
struct AnalyseRequest {
    std::optional<Board> covered; // none: a turn from the open board
    std::vector<int> dice;        // none, one (7, 8 and 9 covered) or two, for `covered`
    bool table = false;           // every board
};

// The exact values of best play: a turn from an open board, or a given board with its
// choices for the dice, or every board.
void analyse(const AnalyseRequest& request, std::ostream& out);

// Nine 0/1 digits for the numbers 1 to 9, as `--covered` takes them and the table prints them.
std::optional<Board> boardOf(const std::string& digits);

} // namespace nf::sim
