#pragma once

#include "engine/MatchState.h"
#include "engine/Random.h"
#include "engine/Timer.h"
#include "platform/Services.h"

namespace nf {

// What every window of the game shares for the whole run: the settings and the match, the
// platform's services, and the injected time and randomness.
struct Environment {
    MatchState& match;
    Services& services;
    Scheduler& scheduler;
    RandomSource& random;
    Clock& clock;
};

} // namespace nf
