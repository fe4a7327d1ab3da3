#pragma once

#include <string>
#include <vector>

namespace nf {

struct Hint;

// The texts a board shows beyond its catalogue, as the translations know them: the
// messages of the match, the round, the words of a hint and the names screen readers say.
namespace boardText {
constexpr const char* kRound = "ROUND %1 OF 5";
constexpr const char* kCoverOne = "cover %1";
constexpr const char* kCoverTwo = "cover %1 and %2";
constexpr const char* kThrowOneDie = "throw one die";
constexpr const char* kThrowTwoDice = "throw two dice";
constexpr const char* kTickBox = "tick Throw Just One Die";
constexpr const char* kUntickBox = "untick Throw Just One Die";
constexpr const char* kShowHint = "Show hint";
constexpr const char* kMessage = "Message";
constexpr const char* kFirstDie = "First die";
constexpr const char* kSecondDie = "Second die";
constexpr const char* kRoundName = "Round";
constexpr const char* kNumber = "Number %1";
constexpr const char* kTotals[] = {"Red's total", "Magenta's total", "Yellow's total",
                                   "Green's total"};
} // namespace boardText

// Every one of them, each once, with the engine's messages (for the translations' checks).
std::vector<std::string> allBoardTexts();

} // namespace nf
