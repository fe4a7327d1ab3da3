#pragma once

#include "engine/Text.h"

namespace nf {

// The texts only the board window shows, as the translations know them: the action that asks
// for a hint and what screen readers say. The messages, the round caption and the hint's
// words come from the engine.
namespace boardText {
constexpr Text kShowHint = NF_TEXT("Board", "Show hint");
constexpr Text kShowStatistics = NF_TEXT("Board", "Show statistics");
constexpr Text kMessage = NF_TEXT("Board", "Message");
constexpr Text kFirstDie = NF_TEXT("Board", "First die");
constexpr Text kSecondDie = NF_TEXT("Board", "Second die");
constexpr Text kRoundName = NF_TEXT("Board", "Round");
constexpr Text kNumber = NF_TEXT("Board", "Number %1");
constexpr Text kTotals[] = {NF_TEXT("Board", "Red's total"), NF_TEXT("Board", "Magenta's total"),
                            NF_TEXT("Board", "Yellow's total"), NF_TEXT("Board", "Green's total")};
// What screen readers hear as the game goes: the dice once settled, the numbers covered, and a
// covered number's name with the player whose counter lies on it.
constexpr Text kThrewTwo = NF_TEXT("Board", "Threw %1 and %2");
constexpr Text kThrewOne = NF_TEXT("Board", "Threw %1");
constexpr Text kCoveredSaid = NF_TEXT("Board", "Covered %1");
constexpr Text kCoveredBy[] = {NF_TEXT("Board", "Number %1, covered by Red"),
                               NF_TEXT("Board", "Number %1, covered by Magenta"),
                               NF_TEXT("Board", "Number %1, covered by Yellow"),
                               NF_TEXT("Board", "Number %1, covered by Green")};
} // namespace boardText

} // namespace nf
