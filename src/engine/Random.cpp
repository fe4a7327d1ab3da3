#include "Random.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace nf {
namespace {

constexpr std::uint64_t kGamma = 0x9e3779b97f4a7c15ULL;

// splitmix64's finaliser: spreads nearby states (two reseeds a millisecond apart) over
// unrelated values.
constexpr std::uint64_t mix(std::uint64_t x) {
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace

SeededRandom::SeededRandom(std::uint64_t baseSeed)
    : base_(baseSeed), state_(mix(baseSeed + kGamma)) {}

double SeededRandom::next() {
    state_ += kGamma;
    // 53 random bits scaled by 2^-53: always below 1.
    return static_cast<double>(mix(state_) >> 11) * 0x1.0p-53;
}

void SeededRandom::skip(std::uint64_t n) {
    state_ += n * kGamma; // wraps modulo 2^64, as n single steps would
}

void SeededRandom::reseed(double seed) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof seed);
    std::memcpy(&bits, &seed, sizeof bits);
    state_ = mix(base_ ^ mix(bits + kGamma));
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
