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

// Index 0..3 of the player picked from any CurrentPlayer value.
int playerOf(long currentPlayer);

Rgb playerColour(int player);     // message, open numbers, score label background
Rgb playerTextColour(int player); // figures on the player's colour: white on Red, else black

Text turnMessage(int player);         // "RED TO PLAY"
Text winnerMessage(int player);       // "RED HAS WON!"
std::string roundCaption(long round); // "ROUND 3 OF 5"

constexpr Text kTurnOverMessage = NF_TEXT("Board", "TURN OVER");
constexpr Text kDrawMessage = NF_TEXT("Board", "IT'S A DRAW");
constexpr Text kEndOfGameCaption = NF_TEXT("Board", "END OF GAME");

} // namespace nf
