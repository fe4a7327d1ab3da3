#pragma once

#include <cstdint>
#include <limits>

namespace nf {

// The game keeps its state in 16-bit integers (the saved game holds them as such).
using i16 = std::int16_t;

// Arithmetic on values that a hand-edited saved game may have pushed to the limits:
// results stop at the ends of the 16-bit range instead of wrapping.
constexpr i16 saturate16(long value) {
    if (value > std::numeric_limits<i16>::max())
        return std::numeric_limits<i16>::max();
    if (value < std::numeric_limits<i16>::min())
        return std::numeric_limits<i16>::min();
    return static_cast<i16>(value);
}

// Remainder in 0..divisor-1 for any sign of value; a divisor below 1 counts as its magnitude,
// and 0 as 1, so no value can divide by zero or index outside an array.
constexpr int floorMod(long value, long divisor) {
    if (divisor < 0)
        divisor = -divisor;
    if (divisor == 0)
        divisor = 1;
    long r = value % divisor;
    return static_cast<int>(r < 0 ? r + divisor : r);
}

} // namespace nf
