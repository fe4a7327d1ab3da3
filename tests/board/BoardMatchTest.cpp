#include "engine/Pauses.h"
#include "support/BoardHarness.h"

#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

void expectButtonsDead(BoardHarness& h) {
    const QString message = h.ui().message->text(), round = h.ui().round->text();
    h.click(h.ui().newGame);   // New Game
    h.click(h.ui().throwDice); // Throw Dice
    h.click(h.ui().exit);      // Exit
    EXPECT_FALSE(h.exited);
    EXPECT_TRUE(h.savedGame().isEmpty());
    EXPECT_EQ(h.ui().message->text(), message);
    EXPECT_EQ(h.ui().round->text(), round);
}

// The match's course is the engine's (its tests, and the comparison of the board with the
// headless board); the window's own part in a hand-over is that its buttons take no clicks.
TEST(BoardMatch, ButtonsAreDeadThroughTheHandOver) {
    BoardHarness h;
    h.openNew(3);
    h.throwDice(6, 6);
    h.wait(pauses::kTurnOverShown - 1);
    expectButtonsDead(h);
    h.wait(1);
    EXPECT_EQ(h.ui().message->text(), "TURN OVER");
    EXPECT_EQ(h.sound.played.last(), "ping.wav");
    h.wait(pauses::kNextTurnStarts - 1);
    expectButtonsDead(h);
    h.wait(1);
    EXPECT_EQ(h.ui().message->text(), "MAGENTA TO PLAY");
    h.click(h.ui().newGame);
    h.wait(pauses::kNewMatchStarts);
    EXPECT_EQ(h.ui().message->text(), "RED TO PLAY") << "the buttons work again";
}

TEST(BoardMatch, TheCloseBoxActsAsExit) {
    BoardHarness h;
    h.openNew(2);
    h.throwDice(6, 6);
    EXPECT_FALSE(h.window().close()) << "refused during the hand-over, as Exit is";
    EXPECT_FALSE(h.exited);
    h.wait(pauses::kHandOver);
    EXPECT_TRUE(h.window().close());
    EXPECT_TRUE(h.exited);
    EXPECT_FALSE(h.savedGame().isEmpty());
}

} // namespace
} // namespace nf
