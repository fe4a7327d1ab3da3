#pragma once

#include "Text.h"

#include <cstdint>
#include <string>

namespace nf {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb a, Rgb b) {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    }
    friend constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

namespace colours {
constexpr Rgb red{255, 0, 0};
constexpr Rgb magenta{255, 0, 255};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb green{0, 255, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb covered{128, 64, 0}; // a covered number: figure and background alike
} // namespace colours

constexpr int kPlayers = 4;
constexpr int kRounds = 5; // in each round every player has one turn

// Index 0..3 of the player picked from any CurrentPlayer value.
int playerOf(long currentPlayer);

Rgb playerColour(int player);     // message, open numbers, score label background
Rgb playerTextColour(int player); // figures on the player's colour: white on Red, else black

// What the board's message line says: whose turn it is, the turn's end, the result.
enum class MessageKind { ToPlay, TurnOver, HasWon, Draw };

// The texts of the message line and the round caption in English, as the translations know
// them.
Text turnMessage(int player);   // "RED TO PLAY"
Text winnerMessage(int player); // "RED HAS WON!"
constexpr Text kTurnOverMessage = NF_TEXT("Board", "TURN OVER");
constexpr Text kDrawMessage = NF_TEXT("Board", "IT'S A DRAW");
Text messageText(MessageKind kind, int player);

// %1 the round. The number of rounds is written out in the source text the translations know.
constexpr Text kRoundCaption = NF_TEXT("Board", "ROUND %1 OF 5");
static_assert(kRounds == 5, "the round caption's source text says five rounds");
constexpr Text kEndOfGameCaption = NF_TEXT("Board", "END OF GAME");
std::string roundCaption(long round); // "ROUND 3 OF 5"

} // namespace nf
