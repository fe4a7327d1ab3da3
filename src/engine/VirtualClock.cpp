#include "VirtualClock.h"

#include <cmath>

namespace nf {

double VirtualClock::secondsSinceMidnight() {
    constexpr double kDay = 86400.0;
    double t = start_ + static_cast<double>(scheduler_.now() - epoch_) / 1000.0;
    if (t >= 0 && t < kDay) // nearly always: a match lasts minutes
        return t;
    t = std::fmod(t, kDay);
    return t < 0 ? t + kDay : t;
}

} // namespace nf
