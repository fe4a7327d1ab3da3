#pragma once

#include "MatchRunner.h"
#include "record/RecordStore.h"

#include <string>
#include <vector>

namespace nf::sim {

// Adds simulated matches to a record of the game, a thousand to a transaction, to try the
// statistics on a long record.
class RecordFiller {
public:
    explicit RecordFiller(const std::string& path);
    MatchEnded ended();
    // Writes what is left; false when any match could not be written.
    bool finish();

private:
    RecordStore store_;
    std::vector<RecordedMatch> pending_;
    bool failed_ = false;
};

} // namespace nf::sim
