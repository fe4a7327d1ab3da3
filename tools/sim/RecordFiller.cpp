#include "RecordFiller.h"

namespace nf::sim {

RecordFiller::RecordFiller(const std::string& path) : store_(QString::fromStdString(path)) {}

MatchEnded RecordFiller::ended() {
    return [this](const MatchSummary& summary, const MatchLog& log) {
        pending_.push_back({summary, log.encode(), {}});
        if (pending_.size() == 1000)
            finish();
    };
}

bool RecordFiller::finish() {
    if (!pending_.empty() && !store_.addAll(pending_))
        failed_ = true;
    pending_.clear();
    return !failed_;
}

} // namespace nf::sim
