#include "Players.h"

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
    return kLooks[static_cast<std::size_t>(playerOf(player))];
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

std::string roundCaption(long round) {
    return "ROUND " + std::to_string(round) + " OF 5";
}

} // namespace nf
