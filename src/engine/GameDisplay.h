#pragma once

#include "Players.h"

#include <string_view>

namespace nf {

// What a board shows of the game. The engine calls these in the order in which the game
// shows things, saying what happened; a board window words and draws it on its controls,
// tests record it.
class GameDisplay {
public:
    virtual ~GameDisplay() = default;

    // Only called while sound is on, with one of the sounds of GameFiles.h.
    virtual void playSound(std::string_view file) = 0;

    // The message line: the player is the one to play or the winner (for the other kinds 0).
    virtual void showMessage(MessageKind kind, int player) = 0;
    virtual void setMessageColour(Rgb colour) = 0;
    // Colours of the player to move: "Throw Dice" text, dice, numbers reopened in that colour
    // on black, round caption and single-die box text.
    virtual void dressBoard(int player) = 0;
    // Colours of the result: message, round caption, "Throw Dice" and the dice in the
    // winner's colour.
    virtual void dressResult(int winner) = 0;
    // The round caption: the round under way (any number a saved game holds), or the end of
    // the match.
    virtual void showRound(long round) = 0;
    virtual void showEndOfGame() = 0;
    virtual void showScore(int player, long total) = 0;

    virtual void showSpot(int number, int player) = 0; // number 1..9
    virtual void clearSpots() = 0;
    virtual void showCovered(int number) = 0;

    virtual void showDie(int die, int figure) = 0; // die 0 or 1; figure 0 blanks it
    virtual void showSecondDie(bool visible) = 0;
    virtual void showSingleDieBox(bool visible) = 0;
    virtual void tickSingleDieBox(bool ticked) = 0;
    virtual void enableThrow(bool enabled) = 0;
};

} // namespace nf
