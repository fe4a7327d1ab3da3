#pragma once

#include <string>
#include <vector>

namespace nf {

// The texts only the board window shows, as the translations know them: the action that asks
// for a hint and the names screen readers say. The messages, the round caption and the hint's
// words come from the engine.
namespace boardText {
constexpr const char* kShowHint = "Show hint";
constexpr const char* kMessage = "Message";
constexpr const char* kFirstDie = "First die";
constexpr const char* kSecondDie = "Second die";
constexpr const char* kRoundName = "Round";
constexpr const char* kNumber = "Number %1";
constexpr const char* kTotals[] = {"Red's total", "Magenta's total", "Yellow's total",
                                   "Green's total"};
} // namespace boardText

// Every text a board shows beyond its catalogue, each once, the engine's included (for the
// translations' checks).
std::vector<std::string> allBoardTexts();

} // namespace nf
