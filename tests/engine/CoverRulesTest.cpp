#include "Tables.h"
#include "engine/Pauses.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nf {
namespace {
using test::coveredNumbers;
using test::tableWith;

struct CoverCase {
    std::string name;
    std::set<int> coveredBefore;
    int d1, d2;
    std::vector<int> clicks;
    std::set<int> coveredAfter; // unused when the throw ends the turn
    bool turnOver = false;
};

std::unique_ptr<HeadlessGame> tableFor(const std::set<int>& covered) {
    MatchState m = test::savedMatch({});
    for (int n : covered)
        m.Covered[static_cast<std::size_t>(n - 1)] = 1;
    return HeadlessGame::resume(m);
}

TEST(CoverRules, ThrowsAllowWhatTheRulesAllow) {
    const std::vector<CoverCase> cases = {
        {"sum uses the throw up", {}, 3, 4, {7, 3, 4}, {7}},
        {"a die first refuses the sum", {}, 3, 4, {3, 7, 4, 7}, {3, 4}},
        {"dice in either order", {}, 4, 3, {4, 3}, {3, 4}},
        {"a double only as its sum", {}, 4, 4, {4, 8, 4}, {8}},
        {"a double on a covered sum ends the turn", {8}, 4, 4, {}, {}, true},
        {"double five ends the turn", {}, 5, 5, {}, {}, true},
        {"double six ends the turn", {}, 6, 6, {}, {}, true},
        {"eleven is off the board: both dice", {}, 6, 5, {5, 6}, {5, 6}},
        {"eleven with five covered ends the turn", {5}, 6, 5, {}, {}, true},
        {"sum covered: the dice separately", {7}, 2, 5, {2, 5}, {2, 5, 7}},
        {"both ways open: the sum", {}, 2, 5, {7, 2}, {7}},
        {"a covered die allows only the sum", {1}, 1, 2, {2, 3}, {1, 3}},
        {"numbers that match nothing are ignored", {}, 1, 2, {9, 4, 5, 6}, {}},
    };
    for (const CoverCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto table = tableFor(c.coveredBefore);
        ASSERT_TRUE(table->throwDice(c.d1, c.d2));
        EXPECT_EQ(table->game().throwState().TurnOver, c.turnOver ? 1 : 0);
        if (c.turnOver)
            continue;
        for (int n : c.clicks)
            table->cover(n);
        EXPECT_EQ(coveredNumbers(table->match()), c.coveredAfter);
        int gained = 0;
        for (int n : c.coveredAfter)
            gained += c.coveredBefore.count(n) ? 0 : n;
        EXPECT_EQ(table->match().Scores[0], gained);
        EXPECT_EQ(table->game().canThrow(), gained > 0) << "the throw is used up by its covers";
    }
}

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
