#pragma once

#include "GameDisplay.h"

#include <array>
#include <string>

namespace nf {

// What a board window would show, kept as plain values and worded in English: the board for
// play without windows, and the record that tests read. It starts as a board is designed.
class DisplayModel : public GameDisplay {
public:
    struct Number {
        Rgb back = colours::black;
        Rgb text = colours::red;
        int spot = -1; // player whose spot lies under the number, -1 for none
    };

    std::string message{turnMessage(0).english};
    Rgb messageColour = colours::red;
    std::string round = roundCaption(1);
    Rgb roundColour = colours::red;
    std::array<long, 4> scores{};
    std::array<Number, 9> numbers{};
    std::array<int, 2> dice{}; // the figures shown, 0 for a blank die
    Rgb diceBack = colours::red;
    Rgb diceText = colours::white;
    bool secondDieVisible = true;
    bool boxVisible = false;
    bool boxTicked = false;
    Rgb boxText = colours::red; // the window's load gives the box the message's colour
    bool throwEnabled = true;
    Rgb throwText = colours::red;
    Rgb throwBack = colours::black;
    // Of the sounds only the last and their number: a game played for a million throws keeps
    // no more than one that has just begun.
    std::string_view lastSound; // one of the names in GameFiles.h
    long soundsPlayed = 0;

    void playSound(std::string_view file) override {
        lastSound = file;
        ++soundsPlayed;
    }
    void showMessage(MessageKind kind, int player) override {
        message = messageText(kind, player).english;
    }
    void setMessageColour(Rgb colour) override { messageColour = colour; }
    void dressBoard(int player) override;
    void dressResult(int winner) override;
    void showRound(long number) override { round = roundCaption(number); }
    void showEndOfGame() override { round = kEndOfGameCaption.english; }
    void showScore(int player, long total) override;
    void showSpot(int number, int player) override;
    void clearSpots() override;
    void showCovered(int number) override;
    void showDie(int die, int figure) override;
    void showSecondDie(bool visible) override { secondDieVisible = visible; }
    void showSingleDieBox(bool visible) override { boxVisible = visible; }
    void tickSingleDieBox(bool ticked) override { boxTicked = ticked; }
    void enableThrow(bool enabled) override { throwEnabled = enabled; }
};

} // namespace nf
