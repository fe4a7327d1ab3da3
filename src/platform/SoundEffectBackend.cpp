#include "SoundEffectBackend.h"

#include <QSoundEffect>
#include <QUrl>

namespace nf {

SoundEffectBackend::SoundEffectBackend() = default;
SoundEffectBackend::~SoundEffectBackend() = default;

void SoundEffectBackend::start(const QString& path) {
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}

void SoundEffectBackend::stop() {
    if (effect_)
        effect_->stop();
}

} // namespace nf
