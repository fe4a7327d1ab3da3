#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

namespace nf {

// Plays one sound file at a time without making the caller wait.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file, cutting off any sound still playing; true when the request was taken.
    virtual bool play(const QString& path) = 0;
};

// Qt Multimedia's sound effect. A missing file or a machine without a sound device gives
// silence; nothing is reported.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    bool play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace nf
