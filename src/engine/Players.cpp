#include "Players.h"

#include "Int16.h"

#include <array>

namespace nf {
namespace {

struct PlayerLook {
    const char* word;
    Rgb colour;
    Rgb text;
};

constexpr std::array<PlayerLook, kPlayers> kLooks{{
    {"RED", colours::red, colours::white},
    {"MAGENTA", colours::magenta, colours::black},
    {"YELLOW", colours::yellow, colours::black},
    {"GREEN", colours::green, colours::black},
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

std::string turnMessage(int player) {
    return std::string(look(player).word) + " TO PLAY";
}

std::string winnerMessage(int player) {
    return std::string(look(player).word) + " HAS WON!";
}

std::string roundCaption(long round) {
    return "ROUND " + std::to_string(round) + " OF 5";
}

} // namespace nf
