#pragma once

#include "engine/FixedClock.h"
#include "engine/Random.h"

#include <deque>
#include <initializer_list>
#include <vector>

namespace nf::test {

// Plays back the numbers it is given, then 0; records each reseed. Scripts queued for later
// reseeds replace what is left at each reseed, so a throw's draws (which reseed) stay apart
// from the rolling figures drawn between throws.
class ScriptedRandom : public RandomSource {
public:
    std::deque<double> values;
    std::deque<std::deque<double>> afterReseeds;
    std::vector<double> seeds;

    double next() override {
        if (values.empty())
            return 0.0;
        const double v = values.front();
        values.pop_front();
        return v;
    }
    void reseed(double seed) override {
        seeds.push_back(seed);
        if (!afterReseeds.empty()) {
            values = afterReseeds.front();
            afterReseeds.pop_front();
        }
    }

    // The draws that give the next throw these dice: one draw per die, showing its value.
    void scriptDice(int d1, int d2 = 0) {
        std::deque<double> draws;
        for (int die : {d1, d2})
            if (die > 0)
                draws.insert(draws.end(), {0.015, (die - 0.5) / 6.0});
        afterReseeds.push_back(draws);
    }
    // The computer's next scan: order 1 from 9 down, order 2 from 1 up.
    void scriptScanOrder(int order) { afterReseeds.push_back({order == 1 ? 0.25 : 0.75}); }
};

// 12:34:56.25, where the tests' clock stands unless they move it.
constexpr double kTestTime = 45296.25;

} // namespace nf::test
