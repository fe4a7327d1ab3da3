#include "DiceDraw.h"

namespace nf {

int drawFigure(RandomSource& random) {
    return static_cast<int>(random.next() * 6) + 1;
}

std::array<int, 2> drawDice(RandomSource& random, Clock& clock, const ThrowState& state) {
    random.reseed(clock.secondsSinceMidnight());
    std::array<int, 2> dice{state.Dice[0], state.Dice[1]};
    const int count = state.DiceCount == 1 ? 1 : 2;
    for (int die = 0; die < count; ++die) {
        int& value = dice[static_cast<std::size_t>(die)];
        const int draws = static_cast<int>(random.next() * 100);
        for (int k = 0; k < draws; ++k)
            value = drawFigure(random);
        if (value < 1 || value > 6)
            value = 1;
    }
    if (count == 1)
        dice[1] = 0;
    return dice;
}

} // namespace nf
