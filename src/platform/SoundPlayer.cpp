#include "SoundPlayer.h"

#include <QFileInfo>

namespace nf {

QtSoundPlayer::QtSoundPlayer(BackendFactory makeBackend) : makeBackend_(std::move(makeBackend)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::play(const QString& path) {
    if (backend_)
        backend_->stop();
    if (!QFileInfo(path).isFile())
        return false;
    if (!backend_ && makeBackend_) {
        backend_ = makeBackend_();
        makeBackend_ = nullptr; // made once: a backend that cannot be made leaves silence
    }
    if (!backend_)
        return false;
    backend_->start(path);
    return true;
}

} // namespace nf
