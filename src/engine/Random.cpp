#include "Random.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace nf {
namespace {

// splitmix64: spreads nearby seeds (two reseeds a millisecond apart) over unrelated states.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace

SeededRandom::SeededRandom(std::uint64_t baseSeed) : base_(baseSeed), engine_(mix(baseSeed)) {}

double SeededRandom::next() {
    // 53 random bits scaled by 2^-53: always below 1, unlike some uniform_real_distribution
    // implementations.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void SeededRandom::reseed(double seed) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof seed);
    std::memcpy(&bits, &seed, sizeof bits);
    engine_.seed(mix(base_ ^ mix(bits)));
}

double SystemClock::secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto fraction = duration<double>(now - system_clock::from_time_t(t)).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

} // namespace nf
