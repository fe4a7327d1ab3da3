#pragma once

#include "Random.h"

namespace nf {

// A time of day that stands still, for tools and tests whose throws need not differ.
class FixedClock : public Clock {
public:
    explicit FixedClock(double atSeconds = 43200.0) : seconds(atSeconds) {}
    double secondsSinceMidnight() override { return seconds; }
    double seconds; // since midnight; tests move it by hand
};

} // namespace nf
