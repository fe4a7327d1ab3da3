#include "Sounds.h"

#include "Wav.h"

#include <cmath>
#include <random>

namespace nf::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Partial {
    double frequency;
    double amplitude;
    double decaySeconds;
};

std::vector<float> silence(double seconds) {
    return std::vector<float>(static_cast<std::size_t>(seconds * kSampleRate), 0.0f);
}

// Adds decaying sine partials starting at `start` seconds, with a short attack.
void addPartials(std::vector<float>& out, double start, const std::vector<Partial>& partials,
                 double attackSeconds) {
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double attack = std::min(1.0, t / attackSeconds);
        double v = 0;
        for (const Partial& p : partials)
            v += p.amplitude * std::exp(-t / p.decaySeconds) * std::sin(2 * kPi * p.frequency * t);
        out[i] += static_cast<float>(attack * v);
    }
}

// A burst of noise through a one-pole band of brightness 0..1, decaying.
void addNoiseBurst(std::vector<float>& out, double start, double decaySeconds, double brightness,
                   double amplitude, std::mt19937& rng) {
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    double low = 0;
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double envelope = std::exp(-t / decaySeconds);
        if (envelope < 1e-4)
            break;
        const double n = noise(rng);
        low += (1.0 - brightness) * (n - low);
        out[i] += static_cast<float>(amplitude * envelope * (n - low));
    }
}

void fadeOut(std::vector<float>& out, double seconds) {
    const auto n = std::min(out.size(), static_cast<std::size_t>(seconds * kSampleRate));
    for (std::size_t i = 0; i < n; ++i)
        out[out.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(n);
}

} // namespace

std::vector<float> buttonClick() {
    std::mt19937 rng(1);
    std::vector<float> out = silence(0.08);
    addNoiseBurst(out, 0.0, 0.003, 0.3, 0.6, rng);
    addPartials(out, 0.0, {{1900, 0.8, 0.006}, {3700, 0.4, 0.004}}, 0.0005);
    fadeOut(out, 0.01);
    return out;
}

std::vector<float> coverTick() {
    std::mt19937 rng(2);
    std::vector<float> out = silence(0.12);
    addNoiseBurst(out, 0.0, 0.002, 0.6, 0.3, rng);
    addPartials(out, 0.0, {{820, 0.7, 0.018}, {2150, 0.3, 0.008}}, 0.001);
    fadeOut(out, 0.02);
    return out;
}

std::vector<float> diceInCup() {
    std::mt19937 rng(3);
    std::vector<float> out = silence(0.75);
    std::uniform_real_distribution<double> when(0.0, 0.6), pitch(2000, 4200), loud(0.4, 1.0);
    for (int hit = 0; hit < 14; ++hit) {
        const double t = when(rng);
        addNoiseBurst(out, t, 0.004, 0.2, loud(rng), rng);
        addPartials(out, t, {{pitch(rng), 0.5 * loud(rng), 0.01}}, 0.0005);
    }
    addNoiseBurst(out, 0.0, 0.35, 0.85, 0.15, rng); // the cup's hollow shuffle
    fadeOut(out, 0.05);
    return out;
}

std::vector<float> ping() {
    std::vector<float> out = silence(0.9);
    addPartials(out, 0.0, {{1760, 1.0, 0.25}, {3520, 0.3, 0.12}, {5280, 0.12, 0.07}}, 0.002);
    fadeOut(out, 0.05);
    return out;
}

std::vector<float> gong() {
    std::vector<float> out = silence(3.0);
    const double f = 98.0;
    addPartials(out, 0.0,
                {{f, 1.0, 1.6},
                 {f * 1.003, 0.6, 1.4}, // a close pair beats, as a gong shimmers
                 {f * 1.47, 0.5, 1.1},
                 {f * 2.09, 0.4, 0.8},
                 {f * 2.56, 0.3, 0.6},
                 {f * 3.14, 0.2, 0.45},
                 {f * 4.2, 0.12, 0.3}},
                0.012);
    fadeOut(out, 0.4);
    return out;
}

} // namespace nf::assets
