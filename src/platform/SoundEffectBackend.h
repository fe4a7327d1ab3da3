#pragma once

#include "SoundPlayer.h"

#include <memory>

class QSoundEffect;

namespace nf {

// Qt Multimedia's sound effect, a fresh one per sound: stopping and reloading one effect while
// its sound still plays can leave the new one silent.
class SoundEffectBackend : public SoundBackend {
public:
    SoundEffectBackend();
    ~SoundEffectBackend() override;
    void start(const QString& path) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace nf
