#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nf {

// The files the game reads, by the names it gives them: relative to the game's folder, parts
// separated by backslashes and matched whatever their letter case ("Images" and "images" are
// one folder). They live for the whole run, so a display may keep a name it was given.

namespace sounds {
constexpr std::string_view click = "wav\\click.wav";    // a button, a check box, an Exit
constexpr std::string_view cover = "wav\\click1.wav";   // a number covered
constexpr std::string_view dice = "wav\\cupdice.wav";   // the dice thrown
constexpr std::string_view turnOver = "wav\\ping.wav";  // "TURN OVER"
constexpr std::string_view endOfGame = "wav\\gong.wav"; // the result
} // namespace sounds

namespace pictures {
constexpr std::string_view opening = "Images\\opening.jpg"; // the title screen
constexpr std::string_view logo = "Images\\logo2.jpg";      // the setup screen
constexpr std::array<std::string_view, 3> rulesPages = {"images\\start.jpg", "images\\board.jpg",
                                                        "images\\gameover.jpg"};
// The players' counters under the numbers they cover, Red to Green.
constexpr std::array<std::string_view, 4> spots = {"Images\\redspot.jpg", "Images\\magentaspot.jpg",
                                                   "Images\\yellowspot.jpg",
                                                   "Images\\greenspot.jpg"};
} // namespace pictures

namespace files {
constexpr std::string_view rulesDocument = "Ninefold Rules.doc";
// The rules document in another language ("de"): "Ninefold Rules.de.doc", beside the English.
inline std::string rulesDocumentIn(std::string_view language) {
    return "Ninefold Rules." + std::string(language) + ".doc";
}
constexpr std::string_view savedGame = "lastgame.inf";

// Every file the game reads and the build makes, the saved game aside.
inline std::vector<std::string_view> dataFiles() {
    std::vector<std::string_view> all = {sounds::click,    sounds::cover,     sounds::dice,
                                         sounds::turnOver, sounds::endOfGame, pictures::opening,
                                         pictures::logo,   rulesDocument};
    all.insert(all.end(), pictures::rulesPages.begin(), pictures::rulesPages.end());
    all.insert(all.end(), pictures::spots.begin(), pictures::spots.end());
    return all;
}
} // namespace files

} // namespace nf
