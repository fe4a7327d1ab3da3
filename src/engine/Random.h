#pragma once

#include <cstdint>

namespace nf {

// Uniform numbers in [0, 1), reseeded by the game from the time of day at every throw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseed(double seed) = 0;
    // Passes over n values as n calls of next() would; generators that can jump do it at once.
    virtual void skip(std::uint64_t n) {
        while (n-- > 0)
            next();
    }
};

// The time of day the game reseeds from.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with the fraction of the current second.
    virtual double secondsSinceMidnight() = 0;
};

// A generator whose sequence depends only on its base seed and the last reseed value, so equal
// seeds replay equal games. It is splitmix64: a reseed costs one mix, and a skip over any
// number of values one multiplication.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t baseSeed = 0);
    double next() override;
    void reseed(double seed) override;
    void skip(std::uint64_t n) override;

private:
    std::uint64_t base_;
    std::uint64_t state_;
};

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() override;
};

} // namespace nf
