#include "DiceDraw.h"

#include "Index.h"

namespace nf {

int drawFigure(RandomSource& random) {
    return static_cast<int>(random.next() * 6) + 1;
}

// Only the last of the draws shows, so the others are passed over.
int lastOfDraws(RandomSource& random, int value) {
    const auto draws = static_cast<std::uint64_t>(random.next() * 100);
    if (draws == 0)
        return value;
    random.skip(draws - 1);
    return drawFigure(random);
}

std::array<int, 2> drawDice(RandomSource& random, Clock& clock, const ThrowState& state) {
    random.reseed(clock.secondsSinceMidnight());
    std::array<int, 2> dice{state.Dice[0], state.Dice[1]};
    const int count = state.DiceCount == 1 ? 1 : 2;
    for (int die = 0; die < count; ++die) {
        int& value = dice[idx(die)];
        value = lastOfDraws(random, value);
        if (value < 1 || value > 6)
            value = 1;
    }
    if (count == 1)
        dice[1] = 0;
    return dice;
}

} // namespace nf
