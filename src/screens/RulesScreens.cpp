#include "Screens.h"
#include "engine/GameFiles.h"
#include "engine/Pauses.h"

namespace nf {
namespace {

using namespace colours;

WindowSpec rulesPage(std::string name) {
    WindowSpec w;
    w.name = std::move(name);
    w.titleBar = false;
    w.border = 1;
    w.clientWidth = 11970;
    w.clientHeight = 8970;
    w.background = blue;
    return w;
}

ControlSpec text(int index, Text words) {
    return label("Label1", index, words).textStyle().withFont(arial(12)).foreColour(yellow);
}

ControlSpec heading(int index, Text words) {
    return text(index, words).withFont(arial(12, true));
}

ControlSpec pageNumber(int index, Text words) {
    return text(index, words).withFont(arial(9.75, true)).at(0, 0, 1065, 240).fitsItsText();
}

ControlSpec pageButton(int index, Text caption) {
    return label("Label3", index, caption)
        .buttonStyle()
        .withFont(arial(12.75, true))
        .foreColour(yellow);
}

ControlSpec title(int height) {
    return text(0, NF_TEXT("RulesPages", "The Rules of Ninefold"))
        .withFont(arial(15.75, true))
        .at(0, 120, 12000, height)
        .centredText();
}

ControlSpec tryOutDie(int index, int left, int top) {
    return label("Label4", index, asWritten(""))
        .withFont(arial(20.25, true))
        .foreColour(white)
        .backColour(blue)
        .at(left, top, 495, 495)
        .sunkenBorder()
        .centredText()
        .disabledAtFirst();
}

} // namespace

WindowSpec doreroduzadSpec() {
    WindowSpec w = rulesPage("Doreroduzad");
    w.controls = {
        image("Image1").at(8760, 4560, 2835, 3615).showing(std::string(pictures::rulesPages[0])),
        text(15, NF_TEXT("RulesPages", "After five rounds the player with the highest score wins."))
            .at(120, 3960, 11175, 645),
        pageNumber(7, NF_TEXT("RulesPages", "Page 1 of 3")),
        pageButton(1, NF_TEXT("RulesPages", ">> Next Page")).at(10080, 8520, 1815, 375),
        text(14,
             NF_TEXT("RulesPages",
                     "If there is just one player, select button '1' to play against the computer. "
                     "The computer always plays as the second player - Magenta."))
            .at(120, 7200, 8655, 1005),
        text(
            13,
            NF_TEXT("RulesPages",
                    "The game is designed for 2 - 4 players or one player against the computer. To "
                    "begin the game click the button corresponding to the number of players. "
                    "Players then take their turn in the following order: Red, Magenta, Yellow, "
                    "Green. "))
            .at(120, 6120, 8655, 1485),
        heading(9, NF_TEXT("RulesPages", "Getting ready to play"))
            .at(120, 5160, 2355, 285)
            .fitsItsText(),
        text(8, NF_TEXT("RulesPages",
                        "Before the game begins, the players can set the parameters of the game."))
            .at(120, 5640, 11655, 645),
        text(5,
             NF_TEXT("RulesPages",
                     "The player continues to throw the dice until no valid move is available. The "
                     "dice then pass to the next player. The players are awarded points equal to "
                     "each number that they cover. "))
            .at(120, 3120, 11655, 885),
        text(4,
             NF_TEXT(
                 "RulesPages",
                 "Players take turns to throw two dice. After throwing the dice, a player can "
                 "either take the scores on each die separately or take the sum of the two "
                 "scores. For example, if the dice show a 3 and a 4, the player has two options. "
                 "They could put a counter on the number 3 and a counter on the number 4, or, "
                 "alternatively, they could can put a counter on the number 7. Once a counter "
                 "has been put on a number it is no longer available."))
            .at(120, 1800, 11655, 1605),
        text(3,
             NF_TEXT("RulesPages",
                     "The playing board shows the numbers 1 to 9. To \u2018Ninefold\u2019 a player "
                     "must place a counter on all nine numbers. "))
            .at(120, 1080, 11415, 1005),
        heading(1, NF_TEXT("RulesPages", "Summary of the rules"))
            .at(120, 600, 2430, 285)
            .fitsItsText(),
        pageButton(0, NF_TEXT("RulesPages", "Exit")).at(11160, 60, 735, 375),
        title(480),
    };
    return w;
}

WindowSpec doreroduzad2Spec() {
    WindowSpec w = rulesPage("Doreroduzad2");
    w.controls = {
        timer("Timer5", pauses::kTryOutSettlesAsDesigned),
        timer("Timer8", pauses::kRollingStarts),
        image("Image1").at(2940, 5040, 6000, 1500).showing(std::string(pictures::rulesPages[1])),
        text(3,
             NF_TEXT(
                 "RulesPages",
                 "Note that the player must use the scores on both dice. This restricts the "
                 "options if a double is thrown. For example, if a player throws two 4s, then "
                 "the only move available is to place a counter on the number 8. They cannot put "
                 "a counter on the number 4, as this would only use the score on one of their "
                 "dice."))
            .at(120, 6720, 11655, 1005),
        heading(8, NF_TEXT("RulesPages", "Selecting the number on the board"))
            .at(120, 2880, 3945, 285),
        text(
            10,
            NF_TEXT("RulesPages",
                    "After throwing the dice, the player can either take the scores on each die "
                    "separately or take the sum of the two scores. For example, if the dice show a "
                    "3 and a 4, the player has two options. They could put a counter on the number "
                    "3 and a counter on the number 4, or, alternatively, they could put a counter "
                    "on the number 7. "))
            .at(120, 3240, 11655, 1005),
        text(11,
             NF_TEXT("RulesPages",
                     "To place a counter on a number the player must click the number. The player "
                     "will then be awarded points equal to the number. Once a counter has been put "
                     "on a number it is no longer available."))
            .at(120, 4320, 11535, 645),
        label("Label2", NF_TEXT("RulesPages", "Throw Dice"))
            .buttonStyle()
            .withFont(tahoma(15.75, true))
            .foreColour(green)
            .at(6600, 1560, 2055, 495),
        tryOutDie(0, 7080, 2160),
        tryOutDie(1, 7680, 2160),
        tryOutDie(2, 10080, 1800).hiddenAtFirst(),
        tryOutDie(3, 10680, 1800).hiddenAtFirst(),
        pageNumber(20, NF_TEXT("RulesPages", "Page 2 of 3")),
        pageButton(2, NF_TEXT("RulesPages", "<< Previous Page")).at(7680, 8520, 2295, 375),
        pageButton(1, NF_TEXT("RulesPages", ">> Next Page")).at(10080, 8520, 1815, 375),
        text(2, NF_TEXT("RulesPages",
                        "The player whose turn it is clicks the button labelled 'Throw Dice'. Two "
                        "numbers are then randomly generated, corresponding to the dice throw. "))
            .at(120, 960, 11655, 645),
        heading(1, NF_TEXT("RulesPages", "Generating a number"))
            .at(120, 600, 2400, 285)
            .fitsItsText(),
        pageButton(0, NF_TEXT("RulesPages", "Exit")).at(11160, 60, 735, 375),
        title(360),
        text(7,
             NF_TEXT("RulesPages", "Click the button on the right to try out throwing the dice."))
            .at(120, 1680, 11655, 525),
        text(4,
             NF_TEXT(
                 "RulesPages",
                 "The player continues to throw the dice until they cannot make a valid move "
                 "with their throw. It is then the turn of the next player. If a player throws a "
                 "double five or a double six, it is always the end of their turn, as there is "
                 "never a valid move for these throws."))
            .at(120, 7800, 11535, 1125),
    };
    return w;
}

WindowSpec doreroduzad2bSpec() {
    WindowSpec w = rulesPage("Doreroduzad2b");
    w.controls = {
        text(4,
             NF_TEXT("RulesPages",
                     "If a player covers all nine numbers they have 'Ninefold'. The counters are "
                     "then removed, so that all the numbers are available again. The player then "
                     "continues with their turn and throws the dice."))
            .at(120, 2250, 11535, 885),
        heading(3, NF_TEXT("RulesPages", "'Ninefolding'")).at(120, 1920, 2040, 285).fitsItsText(),
        label("Label2", NF_TEXT("RulesPages", "Open Rules Document for Printing"))
            .buttonStyle()
            .withFont(arial(12, true))
            .foreColour(yellow)
            .at(120, 8520, 4275, 375),
        pageNumber(20, NF_TEXT("RulesPages", "Page 3 of 3")),
        pageButton(2, NF_TEXT("RulesPages", "<< Previous Page")).at(7680, 8520, 2295, 375),
        text(13,
             NF_TEXT("RulesPages",
                     "There are five rounds in a game. After the five rounds the player with the "
                     "highest total of points is the winner."))
            .at(120, 3480, 11655, 405),
        heading(12, NF_TEXT("RulesPages", "The End")).at(120, 3120, 1665, 285),
        text(
            10,
            NF_TEXT("RulesPages",
                    "If a player manages to cover the numbers 7, 8 and 9, they can opt to throw a "
                    "single die for their subsequent throws. The program will offer a check box at "
                    "this point. Click the check box to choose to throw a single die."))
            .at(120, 1080, 11655, 645),
        heading(8, NF_TEXT("RulesPages", "7, 8 and 9")).at(120, 720, 3945, 285),
        pageButton(0, NF_TEXT("RulesPages", "Exit")).at(11160, 60, 735, 375),
        title(360),
        image("Image1").at(3540, 4320, 4800, 3600).showing(std::string(pictures::rulesPages[2])),
    };
    return w;
}

} // namespace nf
