#include "Tables.h"
#include "engine/Pauses.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nf {
namespace {
using test::coveredNumbers;

// Each colour's move in the scripted matches: a throw and the sum it covers.
struct Move {
    int d1, d2, number;
};
const Move kMoves[4] = {{6, 3, 9}, {4, 4, 8}, {1, 1, 2}, {3, 3, 6}};

// One turn: a scoring throw, then double six, which ends any turn, and the hand-over.
void playScriptedTurn(HeadlessGame& table) {
    const Move& m = kMoves[playerOf(table.match().CurrentPlayer)];
    ASSERT_TRUE(table.throwDice(m.d1, m.d2));
    ASSERT_TRUE(table.cover(m.number));
    ASSERT_TRUE(table.throwDice(6, 6));
    ASSERT_EQ(table.game().throwState().TurnOver, 1);
    table.wait(pauses::kHandOver);
}

class WholeMatch : public ::testing::TestWithParam<int> {};

TEST_P(WholeMatch, FiveRoundsInTurnOrderThenTheResult) {
    const int players = GetParam();
    HeadlessGame table(players);
    EXPECT_EQ(table.shown().message, "RED TO PLAY");
    EXPECT_TRUE(table.game().canThrow()) << "Red throws first without a pause";

    std::vector<std::string> turns;
    while (table.game().endState().GameOver == 0 && turns.size() < 40) {
        turns.push_back(table.shown().round + " " + table.shown().message);
        playScriptedTurn(table);
    }
    ASSERT_EQ(turns.size(), static_cast<std::size_t>(kRounds * players));
    const char* colours[] = {"RED", "MAGENTA", "YELLOW", "GREEN"};
    for (int round = 1; round <= kRounds; ++round)
        for (int p = 0; p < players; ++p)
            EXPECT_EQ(turns[idx((round - 1) * players + p)],
                      "ROUND " + std::to_string(round) + " OF 5 " + colours[p] + " TO PLAY");

    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(table.match().Scores[idx(p)], p < players ? kRounds * kMoves[p].number : 0);
    EXPECT_EQ(table.shown().message, "RED HAS WON!");
    EXPECT_EQ(table.shown().round, "END OF GAME");
    EXPECT_FALSE(table.game().canThrow());
    EXPECT_EQ(table.shown().lastSound, "wav\\gong.wav");
}

INSTANTIATE_TEST_SUITE_P(Players, WholeMatch, ::testing::Values(2, 3, 4));

TEST(MatchFlow, ClearingTheBoardKeepsTheRoundAndThePlayer) {
    for (int player : {0, 1}) {
        SCOPED_TRACE(player);
        MatchState saved = test::savedMatch({1, 2, 3, 4, 5, 6, 7, 8}, 2, player, 3);
        saved.Scores = {30, 30, 0, 0};
        auto table = HeadlessGame::resume(saved);
        table->throwDice(4, 5);
        ASSERT_TRUE(table->cover(9));
        EXPECT_FALSE(table->newGame());
        EXPECT_FALSE(table->cover(1)) << "nothing is taken while the board is cleared";
        table->wait(pauses::kNextTurnStarts - 1);
        EXPECT_EQ(coveredNumbers(table->match()).size(), 9u);
        table->wait(1);
        EXPECT_EQ(table->match().RoundNumber, 3);
        EXPECT_EQ(table->shown().round, "ROUND 3 OF 5");
        EXPECT_EQ(table->match().CurrentPlayer, player);
        EXPECT_EQ(table->match().Scores[idx(player)], 39);
        EXPECT_TRUE(coveredNumbers(table->match()).empty());
        EXPECT_NE(table->shown().message, "TURN OVER");
        EXPECT_TRUE(table->game().canThrow());
    }
}

struct ResultCase {
    std::vector<int> totals;
    std::string message;
    Rgb colour;
};

TEST(MatchFlow, ResultsAfterTheFifthRound) {
    const std::vector<ResultCase> cases = {
        {{12, 40, 40, 9}, "IT'S A DRAW", colours::magenta},
        {{0, 0}, "IT'S A DRAW", colours::red},
        {{30, 30}, "IT'S A DRAW", colours::red},
        {{25, 17}, "RED HAS WON!", colours::red},
        {{3, 4, 9}, "YELLOW HAS WON!", colours::yellow},
        {{1, 2, 3, 50}, "GREEN HAS WON!", colours::green},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.message);
        const int players = static_cast<int>(c.totals.size());
        MatchState saved = test::savedMatch({}, players, players - 1, kRounds);
        for (std::size_t i = 0; i < c.totals.size(); ++i)
            saved.Scores[i] = static_cast<i16>(c.totals[i]);
        auto table = HeadlessGame::resume(saved);
        table->throwDice(5, 5);
        table->wait(pauses::kHandOver);
        EXPECT_EQ(table->game().endState().GameOver, 1);
        EXPECT_EQ(table->shown().message, c.message);
        EXPECT_EQ(table->shown().round, "END OF GAME");
        EXPECT_EQ(table->shown().roundColour, c.colour);
        EXPECT_EQ(table->shown().diceBack, c.colour);
        EXPECT_EQ(table->shown().throwBack, c.colour);

        // The result blinks white and the winner's colour, 250 ms each.
        EXPECT_EQ(table->shown().messageColour, c.colour);
        table->wait(pauses::kResultBlinks);
        EXPECT_EQ(table->shown().messageColour, colours::white);
        table->wait(pauses::kResultBlinks);
        EXPECT_EQ(table->shown().messageColour, c.colour);
        EXPECT_FALSE(table->throwDice(1, 2));
    }
}

TEST(MatchFlow, NewGameStopsAThrowStillRolling) {
    HeadlessGame table(2);
    table.throwDice(3, 4);
    table.cover(7);
    ASSERT_TRUE(table.game().throwDice(6, 6)); // would end Red's turn once settled
    table.wait(pauses::kFirstDieSettles - 1);
    ASSERT_TRUE(table.newGame());
    table.wait(2 * pauses::kThrowSettles);
    EXPECT_FALSE(table.game().Timer2.enabled());
    EXPECT_EQ(table.shown().message, "RED TO PLAY");
    EXPECT_EQ(table.match().CurrentPlayer, 0);
    EXPECT_EQ(table.match().Scores[0], 0);
    EXPECT_EQ(table.shown().dice[0], 0);
    EXPECT_EQ(table.shown().dice[1], 0);
    EXPECT_TRUE(table.throwDice(2, 2));
    EXPECT_TRUE(table.cover(4));
}

// The simulator opens one board again for every match: with the same seed it must play as
// a board made afresh, throw for throw.
TEST(MatchFlow, ABoardOpenedAgainPlaysAsABoardMadeAfresh) {
    HeadlessGame reused(3, 1);
    auto play = [](HeadlessGame& table) {
        std::vector<std::string> lines;
        for (int step = 0; step < 60; ++step) {
            if (!table.throwRandom())
                table.wait(pauses::kHandOver);
            for (int n = 9; n >= 1; --n)
                table.cover(n);
            lines.push_back(table.stateLine());
        }
        return lines;
    };
    play(reused);
    reused.openAgain(42);
    HeadlessGame fresh(3, 42);
    EXPECT_EQ(play(reused), play(fresh));
}

TEST(CoverRules, SingleDieIsOfferedOnceSevenEightNineAreCoveredAndTheThrowIsUsedUp) {
    auto table = HeadlessGame::resume(test::savedMatch({7, 8}));
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
    auto table = HeadlessGame::resume(test::savedMatch({7, 8, 9}));
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
