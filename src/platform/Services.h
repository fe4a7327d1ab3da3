#pragma once

#include "DocumentOpener.h"
#include "GameFolder.h"
#include "SoundPlayer.h"

#include <QUrl>

namespace nf {

// What the game's windows need of the platform: its folder of data files, sound and the
// desktop's "open". Tests give a temporary folder and recorders.
class Services {
public:
    Services(GameFolder folder, SoundPlayer& sound, DocumentOpener& opener)
        : folder_(std::move(folder)), sound_(sound), opener_(opener) {}

    const GameFolder& folder() const { return folder_; }
    QString path(const QString& gameName) const { return folder_.path(gameName); }

    // Plays a sound file of the game ("wav\click.wav") without waiting; callers check the
    // sound setting first.
    bool playwav(const QString& gameName) { return sound_.play(folder_.path(gameName)); }
    // Opens a file of the game's folder with the desktop's handler.
    void openDocument(const QString& gameName) { opener_.open(folder_.path(gameName)); }
    // Opens a web address ("www.example.org") in the desktop's browser.
    void openAddress(const QString& address) {
        opener_.open(QUrl::fromUserInput(address).toString());
    }

private:
    GameFolder folder_;
    SoundPlayer& sound_;
    DocumentOpener& opener_;
};

} // namespace nf
