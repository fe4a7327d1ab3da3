#pragma once

#include <string>
#include <vector>

namespace nf {

// Every text a player can meet in the game, in English, each once: the windows' captions and
// controls, the board's messages and the names screen readers say. Numbers, the web address
// and the backdrop's caption (no title bar shows it) stay as they are in every language.
std::vector<std::string> textsToTranslate();

} // namespace nf
