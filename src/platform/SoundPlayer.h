#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace nf {

// Plays one sound file at a time without making the caller wait.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file, cutting off any sound still playing; true when the request was taken.
    virtual bool play(const QString& path) = 0;
};

// What makes the sound heard.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void start(const QString& path) = 0;
    virtual void stop() = 0;
};

// The game's sound: every request first stops the sound still playing, also when the new file
// is missing, which then plays nothing. The backend is made at the first sound that can play
// (see SoundModule.h); without one the game is silent.
class QtSoundPlayer : public SoundPlayer {
public:
    using BackendFactory = std::function<std::unique_ptr<SoundBackend>()>;

    explicit QtSoundPlayer(BackendFactory makeBackend);
    ~QtSoundPlayer() override;
    bool play(const QString& path) override;

private:
    BackendFactory makeBackend_;
    std::unique_ptr<SoundBackend> backend_;
};

} // namespace nf
