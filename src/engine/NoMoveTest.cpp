#include "NoMoveTest.h"

namespace nf {
namespace {

bool isOpen(const std::array<i16, 13>& covered, int number) {
    return number >= 1 && number <= 9 && covered[static_cast<std::size_t>(number - 1)] == 0;
}

} // namespace

// A move exists when the sum is an open number, or when the dice show two different open
// numbers, which may then be taken apart. Only the second makes more than the sum allowed.
NoMoveResult checkTurnOver(int d1, int d2, int diceCount, bool singleDieChosen,
                           const std::array<i16, 13>& covered) {
    if (diceCount == 1)
        d2 = 0;
    const bool sumOpen = isOpen(covered, d1 + d2);
    const bool facesApart = d1 != d2 && isOpen(covered, d1) && isOpen(covered, d2);
    NoMoveResult result;
    result.TurnOver = sumOpen || facesApart ? 0 : 1;
    result.SumOnly = singleDieChosen || facesApart ? 0 : 1;
    return result;
}

} // namespace nf
