#include "engine/NoMoveTest.h"

#include <gtest/gtest.h>

namespace nf {
namespace {

// The test as the rule states it: any number equal to the sum, or any pair of different open
// numbers that the two dice show in either order.
NoMoveResult byTheRulesLoops(int d1, int d2, int diceCount, bool singleDieChosen,
                             const std::array<i16, 13>& covered) {
    NoMoveResult result;
    if (diceCount == 1)
        d2 = 0;
    if (!singleDieChosen)
        result.SumOnly = 1;
    const auto open = [&](int n) { return covered[static_cast<std::size_t>(n - 1)] == 0; };
    for (int n = 1; n <= 9; ++n)
        if (d1 + d2 == n && open(n))
            result.TurnOver = 0;
    for (int low = 1; low <= 8; ++low)
        for (int high = low + 1; high <= 9; ++high)
            if (open(low) && open(high) &&
                ((d1 == low && d2 == high) || (d1 == high && d2 == low))) {
                result.TurnOver = 0;
                result.SumOnly = 0;
            }
    return result;
}

// Every board, every pair of die values (0 for a die not thrown), one die or two, the box
// ticked or not; covered flags other than 0 and 1 from a hand-edited file count as not open.
TEST(NoMoveTest, AgreesWithTheRulesLoopsEverywhere) {
    long compared = 0;
    for (int mask = 0; mask < 512; ++mask)
        for (i16 coveredValue : {i16{1}, i16{7}}) {
            std::array<i16, 13> covered{};
            for (std::size_t i = 0; i < 9; ++i)
                covered[i] = (mask >> i) & 1 ? coveredValue : i16{0};
            for (int d1 = 0; d1 <= 6; ++d1)
                for (int d2 = 0; d2 <= 6; ++d2)
                    for (int count : {1, 2})
                        for (bool single : {false, true}) {
                            const NoMoveResult fast = checkTurnOver(d1, d2, count, single, covered);
                            const NoMoveResult slow =
                                byTheRulesLoops(d1, d2, count, single, covered);
                            ASSERT_EQ(fast.TurnOver, slow.TurnOver)
                                << mask << ' ' << d1 << ' ' << d2 << ' ' << count << single;
                            ASSERT_EQ(fast.SumOnly, slow.SumOnly)
                                << mask << ' ' << d1 << ' ' << d2 << ' ' << count << single;
                            ++compared;
                        }
        }
    EXPECT_EQ(compared, 512L * 2 * 49 * 4);
}

} // namespace
} // namespace nf
