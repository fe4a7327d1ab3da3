#include "HintBlink.h"

namespace nf {
namespace {
constexpr int kPhaseMs = 125;
constexpr int kPhases = 8; // lit and unlit four times: one second
} // namespace

HintBlink::HintBlink(Scheduler& scheduler)
    : timer_(scheduler, "HintBlink", kPhaseMs, [this] { step(); }) {}

void HintBlink::start(std::vector<Light> lights) {
    stop();
    lights_ = std::move(lights);
    phase_ = 0;
    for (const Light& light : lights_)
        light(true);
    timer_.setEnabled(true);
}

void HintBlink::step() {
    ++phase_;
    const bool lit = phase_ % 2 == 0 && phase_ < kPhases;
    for (const Light& light : lights_)
        light(lit);
    if (phase_ >= kPhases)
        stop();
}

void HintBlink::stop() {
    if (!timer_.enabled())
        return;
    timer_.setEnabled(false);
    for (const Light& light : lights_)
        light(false);
    lights_.clear();
}

} // namespace nf
