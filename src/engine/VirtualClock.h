#pragma once

#include "Random.h"
#include "VirtualScheduler.h"

namespace nf {

// The time of day that goes with virtual time: a starting time plus the time the scheduler
// has advanced, wrapping at midnight.
class VirtualClock : public Clock {
public:
    VirtualClock(const VirtualScheduler& scheduler, double startSeconds)
        : scheduler_(scheduler), start_(startSeconds) {}
    double secondsSinceMidnight() override;
    // From now on the time of day starts again at startSeconds, as with a scheduler at 0.
    void restartAt(double startSeconds) {
        start_ = startSeconds;
        epoch_ = scheduler_.now();
    }

private:
    const VirtualScheduler& scheduler_;
    double start_;
    std::int64_t epoch_ = 0;
};

} // namespace nf
