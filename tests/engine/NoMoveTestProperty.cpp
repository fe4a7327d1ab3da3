#include "Tables.h"
#include "engine/BestPlay.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace nf {
namespace {

MatchState boardFromMask(int mask) {
    MatchState m = test::savedMatch({});
    for (int i = 0; i < 9; ++i)
        m.Covered[idx(i)] = static_cast<i16>((mask >> i) & 1);
    return m;
}

// One resumed table per board, brought back to a settled throw before each try of clicks.
// The rolling figures are switched off: they only decorate.
class Table {
public:
    Table(const MatchState& board, bool singleDie) : table_(HeadlessGame::resume(board)) {
        table_->game().setRollingShown(false);
        if (singleDie) {
            // A click that matches nothing offers the box (7, 8 and 9 being covered); it must
            // fall on an open number.
            for (int n = 1; n <= 9 && !table_->shown().boxVisible; ++n)
                table_->cover(n);
            usable_ = table_->tickBox();
        }
        beforeThrow_ = table_->game().moment();
    }

    // The dice settled on the board; false when no throw can be made.
    bool settle(int d1, int d2) {
        table_->game().restore(beforeThrow_);
        if (!usable_ || !table_->throwDice(d1, d2))
            return false;
        settled_ = table_->game().moment();
        return true;
    }
    bool moveFound() const { return table_->game().throwState().TurnOver == 0; }

    // Plays the clicks from the settled throw; nullopt when one of them is refused, else
    // whether they used the throw up. Each number covered scores its value.
    std::optional<bool> playsThrough(const std::vector<int>& clicks) {
        table_->game().restore(settled_);
        int gained = 0;
        for (int n : clicks) {
            if (!table_->cover(n))
                return std::nullopt;
            gained += n;
        }
        EXPECT_EQ(table_->match().Scores[0], settled_.match.Scores[0] + gained);
        const Game& game = table_->game();
        return game.canThrow() || game.handOverPending();
    }

    // The boards that accepted clicks can leave with the throw used up; fails the test if an
    // accepted first click can never be completed.
    std::set<Board> boardsLeft() {
        std::set<Board> left;
        for (int first = 1; first <= 9; ++first) {
            const auto once = playsThrough({first});
            if (!once)
                continue;
            if (*once) {
                left.insert(board());
                continue;
            }
            bool completed = false;
            for (int second = 1; second <= 9; ++second)
                if (playsThrough({first, second}).value_or(false)) {
                    completed = true;
                    left.insert(board());
                }
            EXPECT_TRUE(completed) << "covering " << first << " leads to a dead end";
        }
        return left;
    }

private:
    Board board() const { return boardOf(table_->game().match()); }

    std::unique_ptr<HeadlessGame> table_;
    bool usable_ = true;
    Game::Moment beforeThrow_, settled_;
};

TEST(NoMoveTestProperty, LetsTwoDiceThroughExactlyWhenTheThrowCanBeUsedUp) {
    for (int mask = 0; mask < 512; ++mask) {
        Table table(boardFromMask(mask), false);
        for (int d1 = 1; d1 <= 6; ++d1)
            for (int d2 = 1; d2 <= 6; ++d2) {
                SCOPED_TRACE("board " + std::to_string(mask) + " dice " + std::to_string(d1) + "," +
                             std::to_string(d2));
                ASSERT_TRUE(table.settle(d1, d2));
                const std::set<Board> left = table.boardsLeft();
                ASSERT_EQ(table.moveFound(), !left.empty());
                std::set<Board> analysed; // the analysis of best play knows the same moves
                for (const Choice& c : legalChoices(static_cast<Board>(mask), d1, d2))
                    analysed.insert(static_cast<Board>(mask | c.covers));
                ASSERT_EQ(left, analysed);
            }
    }
}

TEST(NoMoveTestProperty, LetsOneDieThroughExactlyWhenItsNumberIsOpen) {
    for (int mask = 0; mask < 512; ++mask) {
        if ((mask & 0x1c0) != 0x1c0)
            continue; // one die is chosen only once 7, 8 and 9 are covered
        const MatchState board = boardFromMask(mask);
        Table table(board, true);
        for (int die = 1; die <= 6; ++die) {
            SCOPED_TRACE("board " + std::to_string(mask) + " die " + std::to_string(die));
            if (!table.settle(die, 0))
                continue; // all nine covered: no click can offer the box
            const bool open = board.Covered[idx(die - 1)] == 0;
            EXPECT_EQ(table.moveFound(), open);
            EXPECT_EQ(open, !table.boardsLeft().empty());
            EXPECT_EQ(open, !legalChoices(static_cast<Board>(mask), die, 0).empty());
        }
    }
}

} // namespace
} // namespace nf
