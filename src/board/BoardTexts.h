#pragma once

#include "engine/Text.h"

namespace nf {

struct Hint;

// The texts a board shows beyond its catalogue, as the translations know them: the
// messages of the match, the round, the words of a hint and the names screen readers say.
namespace boardText {
constexpr Text kRound = NF_TEXT("Board", "ROUND %1 OF 5");
constexpr Text kCoverOne = NF_TEXT("Hint", "cover %1");
constexpr Text kCoverTwo = NF_TEXT("Hint", "cover %1 and %2");
constexpr Text kThrowOneDie = NF_TEXT("Hint", "throw one die");
constexpr Text kThrowTwoDice = NF_TEXT("Hint", "throw two dice");
constexpr Text kTickBox = NF_TEXT("Hint", "tick Throw Just One Die");
constexpr Text kUntickBox = NF_TEXT("Hint", "untick Throw Just One Die");
constexpr Text kShowHint = NF_TEXT("Board", "Show hint");
constexpr Text kMessage = NF_TEXT("Board", "Message");
constexpr Text kFirstDie = NF_TEXT("Board", "First die");
constexpr Text kSecondDie = NF_TEXT("Board", "Second die");
constexpr Text kRoundName = NF_TEXT("Board", "Round");
constexpr Text kNumber = NF_TEXT("Board", "Number %1");
constexpr Text kTotals[] = {NF_TEXT("Board", "Red's total"), NF_TEXT("Board", "Magenta's total"),
                            NF_TEXT("Board", "Yellow's total"), NF_TEXT("Board", "Green's total")};
} // namespace boardText

} // namespace nf
