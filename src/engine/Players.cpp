#include "Players.h"

#include "Index.h"
#include "Int16.h"

#include <array>

namespace nf {
namespace {

struct PlayerLook {
    std::string_view toPlay;
    std::string_view hasWon;
    Rgb colour;
    Rgb text;
};

constexpr std::array<PlayerLook, kPlayers> kLooks{{
    {"RED TO PLAY", "RED HAS WON!", colours::red, colours::white},
    {"MAGENTA TO PLAY", "MAGENTA HAS WON!", colours::magenta, colours::black},
    {"YELLOW TO PLAY", "YELLOW HAS WON!", colours::yellow, colours::black},
    {"GREEN TO PLAY", "GREEN HAS WON!", colours::green, colours::black},
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

std::string_view turnMessage(int player) {
    return look(player).toPlay;
}

std::string_view winnerMessage(int player) {
    return look(player).hasWon;
}

std::string_view messageText(MessageKind kind, int player) {
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
    std::string caption = kRoundCaption;
    return caption.replace(caption.find("%1"), 2, std::to_string(round));
}

} // namespace nf
