#pragma once

#include "engine/Random.h"

#include <deque>
#include <initializer_list>
#include <vector>

namespace nf::test {

// Plays back the numbers it is given, then 0; records each reseed.
class ScriptedRandom : public RandomSource {
public:
    std::deque<double> values;
    std::vector<double> seeds;

    double next() override {
        if (values.empty())
            return 0.0;
        const double v = values.front();
        values.pop_front();
        return v;
    }
    void reseed(double seed) override { seeds.push_back(seed); }

    void script(std::initializer_list<double> more) { values.insert(values.end(), more); }
    // The draws that give a throw these dice: one draw per die, showing its value.
    void scriptDice(int d1, int d2 = 0) {
        values.clear();
        for (int die : {d1, d2})
            if (die > 0)
                script({0.015, (die - 0.5) / 6.0});
    }
};

class FixedClock : public Clock {
public:
    double seconds = 45296.25; // 12:34:56.25
    double secondsSinceMidnight() override { return seconds; }
};

} // namespace nf::test
