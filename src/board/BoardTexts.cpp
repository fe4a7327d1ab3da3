#include "BoardTexts.h"

#include "engine/Hint.h"
#include "engine/Players.h"

namespace nf {

std::vector<std::string> allBoardTexts() {
    using namespace boardText;
    using namespace hintText;
    std::vector<std::string> texts{kTurnOverMessage, kDrawMessage, kEndOfGameCaption, kRoundCaption,
                                   kCoverOne,        kCoverTwo,    kThrowOneDie,      kThrowTwoDice,
                                   kTickBox,         kUntickBox,   kShowHint,         kMessage,
                                   kFirstDie,        kSecondDie,   kRoundName,        kNumber};
    for (int player = 0; player < kPlayers; ++player) {
        texts.emplace_back(turnMessage(player));
        texts.emplace_back(winnerMessage(player));
        texts.emplace_back(kTotals[player]);
    }
    return texts;
}

} // namespace nf
