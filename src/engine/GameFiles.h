#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nf {

// The files the game reads, by the names it gives them: relative to the game's folder, parts
// separated by backslashes and matched whatever their letter case ("Images" and "images" are
// one folder). They live for the whole run, so a display may keep a name it was given.

// The languages the game has translations for besides English, as translations/CMakeLists.txt
// builds them. Brazilian Portuguese and Simplified Chinese carry their country, as the spelling
// and the script differ within the language.
constexpr std::array<std::string_view, 12> translatedLanguages = {
    "cs", "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "sv", "zh_CN"};

// A file made again in another form lies beside the first, the form before the suffix.
inline std::string beforeSuffix(std::string_view file, std::string_view form) {
    const std::size_t dot = std::min(file.rfind('.'), file.size());
    return std::string(file.substr(0, dot)) + std::string(form) + std::string(file.substr(dot));
}

// A file made again in another language ("de"): "Ninefold Rules.de.doc",
// "images\\gameover.de.jpg".
inline std::string inLanguage(std::string_view file, std::string_view language) {
    return beforeSuffix(file, "." + std::string(language));
}

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
// The pictures that show words, made again in every translated language.
constexpr std::array<std::string_view, 1> withWords = {rulesPages[2]};
// The players' counters under the numbers they cover, Red to Green.
constexpr std::array<std::string_view, 4> spots = {"Images\\redspot.jpg", "Images\\magentaspot.jpg",
                                                   "Images\\yellowspot.jpg",
                                                   "Images\\greenspot.jpg"};
} // namespace pictures

// The windows' icons, each made in every size of the one list: "icons\\die-16.png". A window
// takes the sizes up to kLargestOnAWindow; the largest is the desktop launcher's.
namespace icons {
constexpr std::string_view die = "icons\\die.png";     // the title screen's and the launcher's
constexpr std::string_view rings = "icons\\rings.png"; // the setup screen's
constexpr std::array<std::string_view, 2> all = {die, rings};
constexpr std::array<int, 4> sizes = {16, 32, 48, 256}; // the install reads this line too
constexpr int kLargestOnAWindow = 48;
inline std::string ofSize(std::string_view icon, int size) {
    return beforeSuffix(icon, "-" + std::to_string(size));
}
} // namespace icons

namespace files {
constexpr std::string_view rulesDocument = "Ninefold Rules.doc"; // also in every language
constexpr std::string_view savedGame = "lastgame.inf";

// Every file the game reads and the build makes, the saved game aside.
inline std::vector<std::string> dataFiles() {
    std::vector<std::string> all = {std::string(sounds::click),     std::string(sounds::cover),
                                    std::string(sounds::dice),      std::string(sounds::turnOver),
                                    std::string(sounds::endOfGame), std::string(pictures::opening),
                                    std::string(pictures::logo),    std::string(rulesDocument)};
    all.insert(all.end(), pictures::rulesPages.begin(), pictures::rulesPages.end());
    all.insert(all.end(), pictures::spots.begin(), pictures::spots.end());
    for (std::string_view icon : icons::all)
        for (int size : icons::sizes)
            all.push_back(icons::ofSize(icon, size));
    for (std::string_view language : translatedLanguages) {
        all.push_back(inLanguage(rulesDocument, language));
        for (std::string_view picture : pictures::withWords)
            all.push_back(inLanguage(picture, language));
    }
    return all;
}
} // namespace files

} // namespace nf
