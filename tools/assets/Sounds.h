#pragma once

#include <vector>

namespace nf::assets {

// The game's sounds, synthesized at kSampleRate; amplitudes are relative (the WAV encoder
// scales them).
std::vector<float> buttonClick(); // wav/click.wav: a crisp button click
std::vector<float> coverTick();   // wav/click1.wav: a softer wooden tick
std::vector<float> diceInCup();   // wav/cupdice.wav: dice rattling in a cup
std::vector<float> ping();        // wav/ping.wav: a bright bell ping
std::vector<float> gong();        // wav/gong.wav: a deep gong, about three seconds

} // namespace nf::assets
