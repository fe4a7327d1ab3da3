#include "engine/Pauses.h"
#include "support/BoardHarness.h"

#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

const QColor kRed(255, 0, 0), kMagenta(255, 0, 255), kYellow(255, 255, 0);

// Each colour's scoring throw and the sum it covers.
struct Move {
    int d1, d2, number;
};
const Move kMoves[] = {{6, 3, 9}, {4, 4, 8}, {1, 1, 2}};

void expectButtonsDead(BoardHarness& h) {
    const QString message = h.text("Label1"), round = h.text("Label6");
    h.click("Label2", 4); // New Game
    h.click("Label2", 3); // Throw Dice
    h.click("Label2", 2); // Exit
    EXPECT_FALSE(h.exited);
    EXPECT_TRUE(h.savedGame().isEmpty());
    EXPECT_EQ(h.text("Label1"), message);
    EXPECT_EQ(h.text("Label6"), round);
}

TEST(BoardMatch, AWholeThreePlayerMatchPlayedWithTheMouse) {
    BoardHarness h;
    h.openNew(3);
    EXPECT_EQ(h.text("Label1"), "RED TO PLAY");
    EXPECT_TRUE(h.label("Label5", 2)->isVisible());
    EXPECT_FALSE(h.label("Label5", 3)->isVisible());

    for (int turn = 0; turn < 15; ++turn) {
        const int player = turn % 3;
        SCOPED_TRACE(turn);
        EXPECT_EQ(h.text("Label6"), QString("ROUND %1 OF 5").arg(turn / 3 + 1));
        h.throwDice(kMoves[player].d1, kMoves[player].d2);
        h.clickNumber(kMoves[player].number);
        h.throwDice(6, 6);
        const QColor colour = h.label("Label1")->foreColour();
        h.wait(499);
        expectButtonsDead(h);
        h.wait(1);
        EXPECT_EQ(h.text("Label1"), "TURN OVER");
        EXPECT_EQ(h.label("Label1")->foreColour(), colour) << "still in the old colour";
        EXPECT_EQ(h.sound.played.last(), "ping.wav");
        h.wait(1999);
        expectButtonsDead(h);
        h.wait(1);
    }
    EXPECT_EQ(h.text("Label5", 0), "45");
    EXPECT_EQ(h.text("Label5", 1), "40");
    EXPECT_EQ(h.text("Label5", 2), "10");
    EXPECT_EQ(h.text("Label1"), "RED HAS WON!");
    EXPECT_EQ(h.text("Label6"), "END OF GAME");
    EXPECT_EQ(h.sound.played.last(), "gong.wav");
    EXPECT_FALSE(h.label("Label2", 3)->isEnabled());

    for (const QColor& expected : {kRed, QColor(Qt::white), kRed, QColor(Qt::white)}) {
        EXPECT_EQ(h.label("Label1")->foreColour(), expected);
        h.wait(250);
    }

    h.click("Label2", 4);
    h.wait(1);
    EXPECT_EQ(h.text("Label1"), "RED TO PLAY");
    EXPECT_EQ(h.text("Label6"), "ROUND 1 OF 5");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(h.text("Label5", i), "0");
    const QColor settled = h.label("Label1")->foreColour();
    h.wait(1000);
    EXPECT_EQ(h.label("Label1")->foreColour(), settled) << "no more blinking";
}

TEST(BoardMatch, HandOverRecoloursTheBoardForTheNextPlayer) {
    BoardHarness h;
    h.openNew(2);
    EXPECT_EQ(h.label("Label4", 0)->backColour(), kRed);
    EXPECT_EQ(h.label("Label4", 0)->foreColour(), QColor(Qt::white));
    h.throwDice(2, 3);
    h.clickNumber(5);
    EXPECT_FALSE(h.window().control<ImageControl>("Image1", 4)->picture().isNull());
    EXPECT_EQ(h.label("Label3", 4)->backColour(), QColor(128, 64, 0));
    h.throwDice(5, 5);
    h.wait(pauses::kHandOver);
    EXPECT_EQ(h.text("Label1"), "MAGENTA TO PLAY");
    EXPECT_EQ(h.label("Label1")->foreColour(), kMagenta);
    for (int die = 0; die < 2; ++die) {
        EXPECT_EQ(h.label("Label4", die)->backColour(), kMagenta);
        EXPECT_EQ(h.label("Label4", die)->foreColour(), QColor(Qt::black));
        EXPECT_TRUE(h.text("Label4", die).isEmpty());
    }
    EXPECT_EQ(h.label("Label3", 4)->backColour(), QColor(Qt::black));
    EXPECT_EQ(h.label("Label3", 4)->foreColour(), kMagenta);
    EXPECT_TRUE(h.window().control<ImageControl>("Image1", 4)->picture().isNull());
    EXPECT_EQ(h.label("Label2", 3)->foreColour(), kMagenta);
    EXPECT_EQ(h.label("Label6")->foreColour(), kMagenta);
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
    EXPECT_EQ(h.text("Label1"), "RED TO PLAY");
    EXPECT_EQ(h.text("Label6"), "ROUND 2 OF 5");
    EXPECT_EQ(h.text("Label5", 0), "9");
}

TEST(BoardMatch, TheSingleDieBoxOffersOneDieBetweenThrows) {
    BoardHarness h;
    h.openResumedWith({7, 8});
    auto* box = h.window().widget("Check1");
    h.throwDice(4, 5);
    EXPECT_FALSE(box->isVisible());
    h.clickNumber(9);
    ASSERT_TRUE(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    EXPECT_FALSE(h.label("Label4", 1)->isVisible());
    h.throwDice(3);
    EXPECT_EQ(h.text("Label4", 0), "3");
    EXPECT_FALSE(box->isVisible());
    h.clickNumber(3);
    EXPECT_EQ(h.text("Label5", 0), "12");
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
