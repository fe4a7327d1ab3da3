#include "engine/DiceDraw.h"

#include "support/ScriptedRandom.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace nf {
namespace {

using test::ScriptedRandom;

// r for k draws, then the figure each draw shows.
void script(ScriptedRandom& r, std::initializer_list<double> drawsThenFigures) {
    r.values.insert(r.values.end(), drawsThenFigures);
}

TEST(DiceDraw, EachDieKeepsTheLastOfItsDrawsAfterAReseedFromTheTimeOfDay) {
    ScriptedRandom r;
    FixedClock clock{test::kTestTime};
    ThrowState t;
    t.DiceCount = 2;
    script(r, {0.035, 0.0, 0.5, 0.99}); // die 0: k = 3, showing 1, 4, then 6
    script(r, {0.015, 0.2});            // die 1: k = 1, showing 2
    EXPECT_EQ(drawDice(r, clock, t), (std::array<int, 2>{6, 2}));
    EXPECT_EQ(r.seeds, std::vector<double>{45296.25});
    EXPECT_TRUE(r.values.empty());
}

TEST(DiceDraw, ADieDrawnZeroTimesKeepsItsValueOrShowsOne) {
    ScriptedRandom r;
    FixedClock clock{test::kTestTime};
    ThrowState t;
    t.DiceCount = 2;
    t.Dice = {5, 0, 0};
    script(r, {0.0, 0.005}); // k = 0 for both dice
    EXPECT_EQ(drawDice(r, clock, t), (std::array<int, 2>{5, 1}));
}

TEST(DiceDraw, OneDieDrawsOnlyTheFirst) {
    ScriptedRandom r;
    FixedClock clock{test::kTestTime};
    ThrowState t;
    t.DiceCount = 1;
    t.Dice = {0, 3, 0};
    script(r, {0.025, 0.6, 0.7, 0.42});
    EXPECT_EQ(drawDice(r, clock, t), (std::array<int, 2>{5, 0}));
    EXPECT_EQ(r.values.size(), 1u);
}

} // namespace
} // namespace nf

namespace nf {
namespace {

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
        ++counts[static_cast<std::size_t>(dice[0])];
        ++counts[static_cast<std::size_t>(dice[1])];
    }
    EXPECT_EQ(counts[0] + counts[7], 0);
    const double expected = 2.0 * throws / 6;
    double chiSquare = 0;
    for (int face = 1; face <= 6; ++face)
        chiSquare += std::pow(counts[static_cast<std::size_t>(face)] - expected, 2) / expected;
    EXPECT_LT(chiSquare, 20.5) << "5 degrees of freedom, p = 0.001";
}

} // namespace
} // namespace nf
