#pragma once

#include <string_view>

namespace nf::sounds {

// The game's sounds, by the names the game gives its files (relative to the game's folder).
// They live for the whole run, so a display may keep the name it was given.
constexpr std::string_view click = "wav\\click.wav";    // a button, a check box, an Exit
constexpr std::string_view cover = "wav\\click1.wav";   // a number covered
constexpr std::string_view dice = "wav\\cupdice.wav";   // the dice thrown
constexpr std::string_view turnOver = "wav\\ping.wav";  // "TURN OVER"
constexpr std::string_view endOfGame = "wav\\gong.wav"; // the result

} // namespace nf::sounds
