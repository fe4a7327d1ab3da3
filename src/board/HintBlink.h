#pragma once

#include "engine/Timer.h"

#include <QColor>
#include <functional>
#include <vector>

namespace nf {

// Makes a few controls blink for about a second, on the board's scheduler, then leaves them
// exactly as they were. Each control is lit and unlit by a function of its own.
class HintBlink {
public:
    using Light = std::function<void(bool lit)>;

    explicit HintBlink(Scheduler& scheduler);

    void start(std::vector<Light> lights);
    // Back to the look from before, at once; nothing when no blink runs.
    void stop();
    bool running() const { return timer_.enabled(); }

private:
    void step();

    Timer timer_;
    std::vector<Light> lights_;
    int phase_ = 0;
};

} // namespace nf
