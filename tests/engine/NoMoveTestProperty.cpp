#include "Tables.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace nf {
namespace {

MatchState boardFromMask(int mask) {
    MatchState m = test::savedMatch({});
    for (int i = 0; i < 9; ++i)
        m.Covered[static_cast<std::size_t>(i)] = static_cast<i16>((mask >> i) & 1);
    return m;
}

// A board with the given dice settled on it. The rolling figures are switched off: they only
// decorate, and thousands of boards roll faster without them.
std::unique_ptr<HeadlessGame> settledTable(const MatchState& board, int d1, int d2,
                                           bool singleDie) {
    auto table = HeadlessGame::resume(board);
    if (singleDie) {
        // A click that matches nothing offers the box (7, 8 and 9 being covered); it must
        // fall on an open number.
        for (int n = 1; n <= 9 && !table->shown().boxVisible; ++n)
            table->cover(n);
        if (!table->tickBox())
            return nullptr;
    }
    if (!table->game().throwDice(d1, d2))
        return nullptr;
    table->game().Timer8.setEnabled(false);
    table->wait(2050);
    return table;
}

bool usedUp(const HeadlessGame& table) {
    return table.game().canThrow() || table.game().handOverPending();
}

// Plays the clicks on a fresh table; nullopt when one of them is refused.
std::optional<bool> playsThrough(const MatchState& board, int d1, int d2, bool singleDie,
                                 const std::vector<int>& clicks) {
    auto table = settledTable(board, d1, d2, singleDie);
    for (int n : clicks)
        if (!table->cover(n))
            return std::nullopt;
    return usedUp(*table);
}

// Whether some sequence of accepted clicks uses the throw up; fails the test if an accepted
// first click can never be completed.
bool someSequenceUsesItUp(const MatchState& board, int d1, int d2, bool singleDie) {
    bool found = false;
    for (int first = 1; first <= 9; ++first) {
        const auto once = playsThrough(board, d1, d2, singleDie, {first});
        if (!once)
            continue;
        if (*once) {
            found = true;
            continue;
        }
        bool completed = false;
        for (int second = 1; second <= 9 && !completed; ++second)
            completed = playsThrough(board, d1, d2, singleDie, {first, second}).value_or(false);
        EXPECT_TRUE(completed) << "covering " << first << " leads to a dead end";
        found = found || completed;
    }
    return found;
}

TEST(NoMoveTestProperty, LetsTwoDiceThroughExactlyWhenTheThrowCanBeUsedUp) {
    for (int mask = 0; mask < 512; ++mask) {
        const MatchState board = boardFromMask(mask);
        for (int d1 = 1; d1 <= 6; ++d1)
            for (int d2 = 1; d2 <= 6; ++d2) {
                SCOPED_TRACE("board " + std::to_string(mask) + " dice " + std::to_string(d1) + "," +
                             std::to_string(d2));
                auto table = settledTable(board, d1, d2, false);
                const bool moveFound = table->game().throwState().TurnOver == 0;
                ASSERT_EQ(moveFound, someSequenceUsesItUp(board, d1, d2, false));
            }
    }
}

TEST(NoMoveTestProperty, LetsOneDieThroughExactlyWhenItsNumberIsOpen) {
    for (int mask = 0; mask < 512; ++mask) {
        if ((mask & 0x1c0) != 0x1c0)
            continue; // one die is chosen only once 7, 8 and 9 are covered
        const MatchState board = boardFromMask(mask);
        for (int die = 1; die <= 6; ++die) {
            SCOPED_TRACE("board " + std::to_string(mask) + " die " + std::to_string(die));
            auto table = settledTable(board, die, 0, true);
            if (!table)
                continue; // all nine covered: no click can offer the box

            const bool open = board.Covered[static_cast<std::size_t>(die - 1)] == 0;
            EXPECT_EQ(table->game().throwState().TurnOver == 0, open);
            EXPECT_EQ(open, someSequenceUsesItUp(board, die, 0, true));
        }
    }
}

} // namespace
} // namespace nf
