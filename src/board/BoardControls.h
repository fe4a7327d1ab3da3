#pragma once

#include <QString>
#include <array>
#include <functional>

class QWidget;

namespace nf {

class CheckBoxControl;
class FormWindow;
class ImageControl;
class LabelControl;
struct WindowSpec;

// A board's controls by what they are for. The catalogue's designer names and indexes become
// these handles here and nowhere else; the board window and the tests use the handles.
struct BoardControls {
    LabelControl* message = nullptr; // "RED TO PLAY", "TURN OVER", the result
    LabelControl* round = nullptr;   // "ROUND 1 OF 5"
    LabelControl* throwDice = nullptr;
    LabelControl* newGame = nullptr;
    LabelControl* exit = nullptr;
    std::array<LabelControl*, 4> totals{}; // Red, Magenta, Yellow, Green
    std::array<LabelControl*, 2> dice{};
    std::array<LabelControl*, 9> numbers{}; // the tiles of 1 to 9
    std::array<ImageControl*, 9> spots{};   // the player's spot under each number
    CheckBoxControl* singleDie = nullptr;   // "Throw Just One Die"
    QWidget* frame = nullptr;               // the outline behind the numbers
};

// What a board does with its clicks; a number is 1..9, by its tile or the spot under it.
struct BoardClicks {
    std::function<void()> throwDice, newGame, exit, singleDie;
    std::function<void(int number)> number;
};

// Completes a board window built from the catalogue: the tiles and spots of 2 to 9 as copies
// of those of 1, in one row, then the handles of every control, each checked to be there, and
// the clicks connected.
BoardControls completeBoard(FormWindow& window, const WindowSpec& design, BoardClicks clicks);

} // namespace nf
