#include "SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace nf {

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::play(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    // A fresh effect per sound: stopping and reloading one effect while its sound still
    // plays can leave the new one silent.
    if (effect_)
        effect_->stop();
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
    return true;
}

} // namespace nf
