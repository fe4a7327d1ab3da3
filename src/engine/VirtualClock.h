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

private:
    const VirtualScheduler& scheduler_;
    double start_;
};

} // namespace nf
