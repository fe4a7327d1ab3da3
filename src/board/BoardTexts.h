#pragma once

#include "engine/Text.h"

namespace nf {

// The texts only the board window shows, as the translations know them: the action that asks
// for a hint and the names screen readers say. The messages, the round caption and the hint's
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
} // namespace boardText

} // namespace nf
