#include "engine/Random.h"

#include <gtest/gtest.h>
#include <set>

namespace nf {
namespace {

TEST(SeededRandom, AReseedReplaysAndReseedsWithinOneSecondDiffer) {
    SeededRandom a(9), b(9), other(10);
    a.reseed(37000.125);
    b.reseed(37000.125);
    other.reseed(37000.125);
    EXPECT_EQ(a.next(), b.next());
    EXPECT_NE(b.next(), other.next()) << "the base seed takes part";

    std::set<double> firsts;
    for (int ms = 0; ms < 1000; ++ms) {
        a.reseed(37000 + ms / 1000.0);
        firsts.insert(a.next());
    }
    EXPECT_EQ(firsts.size(), 1000u);
}

} // namespace
} // namespace nf

namespace nf {
namespace {

// The throw passes over all but the last of a die's draws; a skip must land exactly where that
// many single draws land, for the throws to stay as the rule draws them.
TEST(SeededRandom, ASkipLandsWhereSingleDrawsLand) {
    for (std::uint64_t n : {0ULL, 1ULL, 2ULL, 98ULL, 12345ULL}) {
        SeededRandom jumped(5), walked(5);
        jumped.reseed(40000.5);
        walked.reseed(40000.5);
        jumped.skip(n);
        for (std::uint64_t i = 0; i < n; ++i)
            walked.next();
        EXPECT_EQ(jumped.next(), walked.next()) << n;
    }
}

} // namespace
} // namespace nf
