#pragma once

#include "SoundPlayer.h"

#include <memory>

namespace nf {

// The module's one file name, as the build names it, in the program's folder.
constexpr const char* kSoundModuleFile = "ninefold-sound.so";

// The sound backend lives in a module of its own (kSoundModuleFile beside the program), so
// that the audio libraries load with the first sound rather than before the first window.
// Nothing when the module is not a regular file or cannot be loaded with every symbol it
// needs: the game is then silent.
std::unique_ptr<SoundBackend> loadSoundBackend(const QString& folder);

// The name of the module's one entry point: a function that makes a backend.
constexpr const char* kSoundModuleEntry = "ninefoldMakeSoundBackend";
using SoundModuleEntry = SoundBackend* (*)();

} // namespace nf
