// The sound module's entry point; the module holds Qt Multimedia and nothing else of the game.
#include "SoundEffectBackend.h"
#include "SoundModule.h"

extern "C" Q_DECL_EXPORT nf::SoundBackend* ninefoldMakeSoundBackend() {
    static_assert(std::is_same_v<decltype(&ninefoldMakeSoundBackend), nf::SoundModuleEntry>);
    return new nf::SoundEffectBackend;
}
