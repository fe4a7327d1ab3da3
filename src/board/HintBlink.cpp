#include "HintBlink.h"

#include "engine/Pauses.h"

namespace nf {
namespace {
constexpr int kPhases = pauses::kHintShown / pauses::kHintPhase;
} // namespace

HintBlink::HintBlink(Scheduler& scheduler)
    : timer_(scheduler, "HintBlink", pauses::kHintPhase, [this] { step(); }) {}

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
