#include "DisplayModel.h"

#include "Index.h"

namespace nf {

void DisplayModel::dressBoard(int player) {
    const Rgb colour = playerColour(player);
    throwText = colour;
    diceBack = colour;
    diceText = playerTextColour(player);
    for (Number& n : numbers) {
        n.back = colours::black;
        n.text = colour;
    }
    throwBack = colours::black;
    roundColour = colour;
    boxText = colour;
}

void DisplayModel::dressResult(int winner) {
    const Rgb colour = playerColour(winner);
    messageColour = colour;
    roundColour = colour;
    throwBack = colour;
    diceBack = colour;
    diceText = playerTextColour(winner);
}

void DisplayModel::showScore(int player, long total) {
    if (player >= 0 && player < 4)
        scores[idx(player)] = total;
}

void DisplayModel::showSpot(int number, int player) {
    if (number >= 1 && number <= 9)
        numbers[idx(number - 1)].spot = player;
}

void DisplayModel::clearSpots() {
    for (Number& n : numbers)
        n.spot = -1;
}

void DisplayModel::showCovered(int number) {
    if (number >= 1 && number <= 9)
        numbers[idx(number - 1)].back = numbers[idx(number - 1)].text = colours::covered;
}

void DisplayModel::showDie(int die, int figure) {
    if (die == 0 || die == 1)
        dice[idx(die)] = figure;
}

} // namespace nf
