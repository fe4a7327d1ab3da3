#include "Players.h"

#include "Index.h"
#include "Int16.h"

#include <array>

namespace nf {
namespace {

struct PlayerLook {
    Text toPlay;
    Text hasWon;
    Rgb colour;
    Rgb text;
};

constexpr std::array<PlayerLook, kPlayers> kLooks{{
    {NF_TEXT("Board", "RED TO PLAY"), NF_TEXT("Board", "RED HAS WON!"), colours::red,
     colours::white},
    {NF_TEXT("Board", "MAGENTA TO PLAY"), NF_TEXT("Board", "MAGENTA HAS WON!"), colours::magenta,
     colours::black},
    {NF_TEXT("Board", "YELLOW TO PLAY"), NF_TEXT("Board", "YELLOW HAS WON!"), colours::yellow,
     colours::black},
    {NF_TEXT("Board", "GREEN TO PLAY"), NF_TEXT("Board", "GREEN HAS WON!"), colours::green,
     colours::black},
}};

const PlayerLook& look(int player) {
    return kLooks[idx(playerOf(player))];
}

} // namespace

int playerOf(long currentPlayer) {
    return floorMod(currentPlayer, kPlayers);
}

Rgb playerColour(int player) {
    return look(player).colour;
}

Rgb playerTextColour(int player) {
    return look(player).text;
}

Text turnMessage(int player) {
    return look(player).toPlay;
}

Text winnerMessage(int player) {
    return look(player).hasWon;
}

Text messageText(MessageKind kind, int player) {
    switch (kind) {
    case MessageKind::TurnOver:
        return kTurnOverMessage;
    case MessageKind::HasWon:
        return winnerMessage(player);
    case MessageKind::Draw:
        return kDrawMessage;
    case MessageKind::ToPlay:
        break;
    }
    return turnMessage(player);
}

std::string roundCaption(long round) {
    std::string caption(kRoundCaption.english);
    return caption.replace(caption.find("%1"), 2, std::to_string(round));
}

} // namespace nf
