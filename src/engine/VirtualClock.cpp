#include "VirtualClock.h"

#include <cmath>

namespace nf {

double VirtualClock::secondsSinceMidnight() {
    constexpr double kDay = 86400.0;
    const double t = std::fmod(start_ + static_cast<double>(scheduler_.now()) / 1000.0, kDay);
    return t < 0 ? t + kDay : t;
}

} // namespace nf
