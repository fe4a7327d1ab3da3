#include "engine/DiceDraw.h"

#include "engine/Random.h"
#include "support/ScriptedRandom.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace nf {
namespace {

using test::ScriptedRandom;

// Each die thrown takes k = int(r * 100) draws after a reseed from the time of day and keeps
// the last; a die drawn zero times keeps its value, or shows 1 if it had none.
TEST(DiceDraw, EachDieKeepsTheLastOfItsDrawsAfterAReseedFromTheTimeOfDay) {
    struct Case {
        int diceCount;
        std::array<i16, 3> before;
        std::vector<double> script; // per die: r for k, then the k figures
        std::array<int, 2> thrown;
        std::size_t left; // values of the script not drawn
    };
    const Case cases[] = {
        {2, {}, {0.035, 0.0, 0.5, 0.99, 0.015, 0.2}, {6, 2}, 0}, // k = 3 (1, 4, 6), k = 1 (2)
        {2, {5, 0, 0}, {0.0, 0.005}, {5, 1}, 0},                 // k = 0 for both
        {1, {0, 3, 0}, {0.025, 0.6, 0.7, 0.42}, {5, 0}, 1},      // only the first die
    };
    for (const Case& c : cases) {
        ScriptedRandom r;
        r.values.assign(c.script.begin(), c.script.end());
        FixedClock clock{test::kTestTime};
        ThrowState t;
        t.DiceCount = static_cast<i16>(c.diceCount);
        t.Dice = c.before;
        EXPECT_EQ(drawDice(r, clock, t), c.thrown);
        EXPECT_EQ(r.seeds, std::vector<double>{test::kTestTime});
        EXPECT_EQ(r.values.size(), c.left);
    }
}

// Throws a few seconds apart, each reseeding from the clock as the board does: the faces are
// uniform and always 1 to 6.
TEST(DiceDraw, ThrowsReseededFromTheClockAreFair) {
    SeededRandom random(2026);
    FixedClock clock{test::kTestTime};
    SeededRandom gaps(7);
    ThrowState t;
    t.DiceCount = 2;
    std::array<long, 8> counts{};
    const long throws = 30000;
    for (long i = 0; i < throws; ++i) {
        clock.seconds += 2.05 + gaps.next() * 6; // settling, then a player's thought
        const auto dice = drawDice(random, clock, t);
        t.Dice = {static_cast<i16>(dice[0]), static_cast<i16>(dice[1]), 0};
        ++counts[idx(dice[0])];
        ++counts[idx(dice[1])];
    }
    EXPECT_EQ(counts[0] + counts[7], 0);
    const double expected = 2.0 * throws / 6;
    double chiSquare = 0;
    for (int face = 1; face <= 6; ++face)
        chiSquare += std::pow(counts[idx(face)] - expected, 2) / expected;
    EXPECT_LT(chiSquare, 20.5) << "5 degrees of freedom, p = 0.001";
}

// (That a seed replays, and the base seed takes part: MatchFlow.ABoardOpenedAgain... and
// Play.TheSameSeedPlaysTheSameMatches.)
TEST(SeededRandom, ReseedsWithinOneSecondDiffer) {
    SeededRandom a(9);
    std::set<double> firsts;
    for (int ms = 0; ms < 1000; ++ms) {
        a.reseed(37000 + ms / 1000.0);
        firsts.insert(a.next());
    }
    EXPECT_EQ(firsts.size(), 1000u);
}

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
