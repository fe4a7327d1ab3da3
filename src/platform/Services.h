#pragma once

#include "DocumentOpener.h"
#include "GameFolder.h"
#include "SavedGamePlaces.h"
#include "SoundPlayer.h"

#include <QUrl>
#include <iostream>
#include <optional>
#include <set>
#include <string>

namespace nf {

// What the game's windows need of the platform: its folder of data files, the places of the
// saved game, sound and the desktop's "open", and a word on standard error for what the
// player should know but no window says. Tests give a temporary folder and recorders.
class Services {
public:
    // Without places given, the saved game is kept beside the program only.
    Services(GameFolder folder, SoundPlayer& sound, DocumentOpener& opener,
             std::optional<SavedGamePlaces> savedGame = std::nullopt)
        : folder_(std::move(folder)), sound_(sound), opener_(opener),
          savedGame_(savedGame.value_or(besideProgramOnly(folder_))) {}

    const GameFolder& folder() const { return folder_; }
    const SavedGamePlaces& savedGamePlaces() const { return savedGame_; }

    // Says the line on standard error (or where tests point it), the first time it comes only.
    void tellOnce(const std::string& line) {
        if (told_.insert(line).second)
            *complaints_ << line << std::endl;
    }
    void setComplaints(std::ostream& out) { complaints_ = &out; }
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
    SavedGamePlaces savedGame_;
    std::ostream* complaints_ = &std::cerr;
    std::set<std::string> told_;
};

} // namespace nf
