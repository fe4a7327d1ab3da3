#pragma once

#include "ComputerGame.h"
#include "board/BoardWindow.h"

namespace nf {

// The board `ninefoldcomp`: one person as Red against the computer as Magenta, whose turns
// play themselves. The person's clicks on numbers, spots and "Throw Dice" do nothing while
// the computer has the dice.
class ComputerBoardWindow : public BoardWindow {
    Q_OBJECT
public:
    ComputerBoardWindow(Environment& env, Opening opening,
                        ComputerPlay play = ComputerPlay::Classic);
    ComputerGame& computerGame() const { return static_cast<ComputerGame&>(game()); }
};

} // namespace nf
