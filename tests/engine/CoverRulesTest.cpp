#include "Tables.h"
#include "engine/Pauses.h"

#include <gtest/gtest.h>

namespace nf {
namespace {
using test::tableWith;

TEST(CoverRules, SingleDieIsOfferedOnceSevenEightNineAreCoveredAndTheThrowIsUsedUp) {
    auto table = tableWith({7, 8});
    table->throwDice(4, 5);
    EXPECT_TRUE(table->cover(9));
    EXPECT_TRUE(table->game().throwState().boxShown) << "right after the cover completing 7, 8, 9";
    EXPECT_TRUE(table->shown().boxVisible);

    table->throwDice(2, 3); // the throw hides the offer
    EXPECT_FALSE(table->shown().boxVisible);
    EXPECT_TRUE(table->cover(2));
    table->cover(6); // a number matching nothing, half-way through the throw
    EXPECT_FALSE(table->shown().boxVisible) << "a tick now would leave nothing to cover or throw";
    EXPECT_FALSE(table->tickBox());
    EXPECT_TRUE(table->cover(3));
    EXPECT_TRUE(table->shown().boxVisible);
}

TEST(CoverRules, UnrelatedClickOffersTheBoxBetweenThrowsAndTheChoiceStaysForTheTurn) {
    auto table = tableWith({7, 8, 9});
    EXPECT_FALSE(table->shown().boxVisible) << "not shown at load";
    table->cover(1);
    ASSERT_TRUE(table->shown().boxVisible);

    ASSERT_TRUE(table->tickBox());
    const ThrowState& t = table->game().throwState();
    EXPECT_EQ(t.DiceCount, 1);
    EXPECT_FALSE(table->shown().secondDieVisible);
    ASSERT_TRUE(table->throwDice(4));
    EXPECT_EQ(t.Dice[1], 0);
    EXPECT_TRUE(table->cover(4));
    EXPECT_FALSE(table->cover(4)) << "one die covers once";
    EXPECT_FALSE(table->cover(5));
    EXPECT_TRUE(table->shown().boxTicked) << "still ticked when offered again";
    ASSERT_TRUE(table->throwDice(4));
    EXPECT_EQ(t.TurnOver, 1) << "a single die on a covered number ends the turn";

    table->wait(pauses::kHandOver);
    EXPECT_EQ(t.DiceCount, 2) << "the next turn throws two dice again";
    EXPECT_FALSE(table->shown().boxTicked);
    EXPECT_TRUE(table->shown().secondDieVisible);
}

} // namespace
} // namespace nf
