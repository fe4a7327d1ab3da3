#include "SoundModule.h"

#include "ModuleEntry.h"

namespace nf {

std::unique_ptr<SoundBackend> loadSoundBackend(const QString& folder) {
    const auto make = moduleEntry<SoundModuleEntry>(folder, kSoundModuleFile, kSoundModuleEntry);
    return std::unique_ptr<SoundBackend>(make ? make() : nullptr);
}

} // namespace nf
