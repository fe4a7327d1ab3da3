#include "support/BoardHarness.h"

#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

TEST(BoardThrow, TheDiceRollThenSettleOneAfterTheOther) {
    BoardHarness h;
    h.openNew(2);
    h.random.scriptDice(3, 4);
    h.click(h.ui().throwDice);
    EXPECT_EQ(h.sound.played.last(), "cupdice.wav");
    EXPECT_FALSE(h.ui().throwDice->isEnabled());
    h.wait(pauses::kRollingStarts - 1);
    EXPECT_TRUE(h.ui().dice[0]->text().isEmpty()) << "the window's first throw rolls from 250 ms";
    h.wait(1);
    EXPECT_FALSE(h.ui().dice[0]->text().isEmpty());
    h.wait(pauses::kFirstDieSettles - pauses::kRollingStarts - 1);
    h.clickNumber(7);
    EXPECT_EQ(h.ui().totals[0]->text(), "0") << "numbers wait for the dice";
    h.wait(1);
    EXPECT_EQ(h.ui().dice[0]->text(), "3");
    h.wait(pauses::kNextDieSettles - 1);
    h.clickNumber(7);
    EXPECT_EQ(h.ui().totals[0]->text(), "0");
    h.wait(1);
    EXPECT_EQ(h.ui().dice[1]->text(), "4");
    h.clickNumber(7);
    EXPECT_EQ(h.ui().totals[0]->text(), "7");
    EXPECT_TRUE(h.ui().throwDice->isEnabled());

    h.random.scriptDice(1, 2);
    h.click(h.ui().throwDice);
    h.wait(pauses::kRollingFrame);
    EXPECT_EQ(h.ui().dice[0]->text(), "1")
        << "later throws roll from 5 ms (figure from the empty script)";
    h.wait(pauses::kThrowSettles - pauses::kRollingFrame);
    EXPECT_EQ(h.ui().dice[0]->text(), "1");
    EXPECT_EQ(h.ui().dice[1]->text(), "2");
}

// (The spot's picture is BoardShowsTheGame's and the screenshots'.)
TEST(BoardThrow, NumbersAndSpotsBothCover) {
    BoardHarness h;
    h.openNew(4);
    h.throwDice(1, 5);
    QWidget* spot = h.ui().spots[4];
    QTest::mouseClick(spot, Qt::LeftButton, {}, QPoint(30, 30));
    h.clickNumber(1);
    EXPECT_EQ(h.ui().totals[0]->text(), "6");
    EXPECT_EQ(h.sound.played.count("click1.wav"), 2);
}

} // namespace
} // namespace nf
