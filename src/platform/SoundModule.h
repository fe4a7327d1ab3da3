#pragma once

#include "SoundPlayer.h"

#include <memory>

namespace nf {

// The sound backend lives in a module of its own ("ninefold-sound" beside the program), so
// that the audio libraries load with the first sound rather than before the first window.
// Nothing when the module cannot be loaded: the game is then silent.
std::unique_ptr<SoundBackend> loadSoundBackend(const QString& folder);

// The name of the module's one entry point: a function that makes a backend.
constexpr const char* kSoundModuleEntry = "ninefoldMakeSoundBackend";
using SoundModuleEntry = SoundBackend* (*)();

} // namespace nf
