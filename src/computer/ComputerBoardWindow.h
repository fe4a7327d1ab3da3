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
    explicit ComputerBoardWindow(Environment& env);
    ComputerGame& computerGame() const { return static_cast<ComputerGame&>(game()); }

protected:
    // Red's and Magenta's totals only, as designed, whatever a saved game says of the players.
    void showPlayersScoreLabels() override {}
    void clickNumber(int index) override;
    void clickThrowDice() override;
};

} // namespace nf
