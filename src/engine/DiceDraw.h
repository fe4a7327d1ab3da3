#pragma once

#include "Random.h"
#include "ThrowState.h"

#include <array>

namespace nf {

// The values of a throw: the generator is reseeded from the time of day, then each die
// thrown takes k = int(r * 100) draws, keeping the last. A die drawn zero times keeps the
// value it had, or shows 1 if it had none. The second value is 0 when one die is thrown.
std::array<int, 2> drawDice(RandomSource& random, Clock& clock, const ThrowState& state);

// One random figure 1..6, as the rolling dice show them.
int drawFigure(RandomSource& random);

// A die thrown: k = int(r * 100) figures drawn, the last one kept; with k = 0 the die keeps
// the value it had.
int lastOfDraws(RandomSource& random, int value);

} // namespace nf
