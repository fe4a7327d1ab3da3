#include "engine/Pauses.h"
#include "support/BoardHarness.h"

#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

const QColor kRed(255, 0, 0);

// Each colour's scoring throw and the sum it covers.
struct Move {
    int d1, d2, number;
};
const Move kMoves[] = {{6, 3, 9}, {4, 4, 8}, {1, 1, 2}};

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

TEST(BoardMatch, AWholeThreePlayerMatchPlayedWithTheMouse) {
    BoardHarness h;
    h.openNew(3);
    EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
    EXPECT_TRUE(h.ui().totals[2]->isVisible());
    EXPECT_FALSE(h.ui().totals[3]->isVisible());

    for (int turn = 0; turn < 15; ++turn) {
        const int player = turn % 3;
        SCOPED_TRACE(turn);
        EXPECT_EQ(h.ui().round->text(), QString("ROUND %1 OF 5").arg(turn / 3 + 1));
        h.throwDice(kMoves[player].d1, kMoves[player].d2);
        h.clickNumber(kMoves[player].number);
        h.throwDice(6, 6);
        const QColor colour = h.ui().message->foreColour();
        h.wait(499);
        expectButtonsDead(h);
        h.wait(1);
        EXPECT_EQ(h.ui().message->text(), "TURN OVER");
        EXPECT_EQ(h.ui().message->foreColour(), colour) << "still in the old colour";
        EXPECT_EQ(h.sound.played.last(), "ping.wav");
        h.wait(1999);
        expectButtonsDead(h);
        h.wait(1);
    }
    EXPECT_EQ(h.ui().totals[0]->text(), "45");
    EXPECT_EQ(h.ui().totals[1]->text(), "40");
    EXPECT_EQ(h.ui().totals[2]->text(), "10");
    EXPECT_EQ(h.ui().message->text(), "RED HAS WON!");
    EXPECT_EQ(h.ui().round->text(), "END OF GAME");
    EXPECT_EQ(h.sound.played.last(), "gong.wav");
    EXPECT_FALSE(h.ui().throwDice->isEnabled());

    for (const QColor& expected : {kRed, QColor(Qt::white), kRed, QColor(Qt::white)}) {
        EXPECT_EQ(h.ui().message->foreColour(), expected);
        h.wait(250);
    }

    h.click(h.ui().newGame);
    h.wait(1);
    EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
    EXPECT_EQ(h.ui().round->text(), "ROUND 1 OF 5");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(h.ui().totals[i]->text(), "0");
    const QColor settled = h.ui().message->foreColour();
    h.wait(1000);
    EXPECT_EQ(h.ui().message->foreColour(), settled) << "no more blinking";
}

TEST(BoardMatch, ButtonsAreDeadWhileAClearedBoardComes) {
    BoardHarness h;
    h.match = {};
    h.match.PlayerCount = 2;
    h.match.RoundNumber = 2;
    h.match.SoundOn = 1;
    for (int i = 0; i < 8; ++i)
        h.match.Covered[static_cast<std::size_t>(i)] = 1;
    h.openResumed();
    h.throwDice(4, 5);
    h.clickNumber(9);
    expectButtonsDead(h);
    h.wait(1999);
    expectButtonsDead(h);
    h.wait(1);
    EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
    EXPECT_EQ(h.ui().round->text(), "ROUND 2 OF 5");
    EXPECT_EQ(h.ui().totals[0]->text(), "9");
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
