#include "SoundPlayer.h"

#include "SoundEffectBackend.h"

#include <QFileInfo>

namespace nf {

QtSoundPlayer::QtSoundPlayer(BackendFactory makeBackend)
    : makeBackend_(makeBackend ? std::move(makeBackend)
                               : [] { return std::make_unique<SoundEffectBackend>(); }) {}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::play(const QString& path) {
    if (backend_)
        backend_->stop();
    if (!QFileInfo(path).isFile())
        return false;
    if (!backend_)
        backend_ = makeBackend_();
    if (!backend_)
        return false;
    backend_->start(path);
    return true;
}

} // namespace nf
