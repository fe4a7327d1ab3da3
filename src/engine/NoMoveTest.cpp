#include "NoMoveTest.h"

namespace nf {

NoMoveResult checkTurnOver(int d1, int d2, int diceCount, bool singleDieChosen,
                           const std::array<i16, 13>& covered) {
    NoMoveResult result;
    if (diceCount == 1)
        d2 = 0;
    if (!singleDieChosen)
        result.SumOnly = 1;
    const auto open = [&](int number) {
        return covered[static_cast<std::size_t>(number - 1)] == 0;
    };

    for (int n = 1; n <= 9; ++n)
        if (d1 + d2 == n && open(n))
            result.TurnOver = 0;

    // Two different open numbers, one per die, in either order: the dice may go separately.
    for (int low = 1; low <= 8; ++low)
        for (int high = low + 1; high <= 9; ++high)
            if (open(low) && open(high) &&
                ((d1 == low && d2 == high) || (d1 == high && d2 == low))) {
                result.TurnOver = 0;
                result.SumOnly = 0;
            }
    return result;
}

} // namespace nf
