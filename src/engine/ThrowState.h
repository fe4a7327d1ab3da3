#pragma once

#include "Int16.h"
#include "ThrowRule.h"

#include <array>

namespace nf {

// The board's state of the current throw; zero when a board is created.
struct ThrowState {
    std::array<i16, 3> Dice{}; // 1..6, 0 when not thrown; entry 2 is never used
    i16 DiceCount = 0;         // 2, or 1 while the single-die option is chosen
    bool TurnOver = false;     // the settled throw allows no move
    i16 CoveredThisThrow = 0;
    bool SumTaken = false;
    i16 SettledDice = 0; // dice already showing their value in the current throw
    // What the settled throw still allows a click to cover.
    ChoicesLeft choicesLeft;

    // The single-die option ("Throw Just One Die"): offered (box shown) and chosen (ticked).
    bool boxShown = false;
    bool boxTicked = false;
    bool throwEnabled = true; // "Throw Dice" takes clicks
};

// The end of a match, kept by the board.
struct EndState {
    std::array<i16, 5> FinalScores{}; // entry 4 is never used
    i16 Winner = 0;
    bool Draw = false;
    bool GameOver = false;
    i16 BlinkCount = 0;
};

} // namespace nf
