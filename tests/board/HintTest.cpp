#include "computer/ComputerBoardWindow.h"
#include "engine/Pauses.h"
#include "platform/SpokenStatus.h"
#include "support/BoardHarness.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

const QColor kRed(255, 0, 0), kBlack(0, 0, 0);

void pressH(BoardHarness& h) {
    QTest::keyClick(&h.window(), Qt::Key_H);
}

// What the board last said to screen readers.
QString said(BoardHarness& h) {
    QCoreApplication::processEvents();
    return h.board->reader().status().said();
}

QImage look(BoardHarness& h) {
    return h.window().grab().toImage();
}

// The numbers of the best move light up in the player's colour for about a second, and the
// board is then exactly as it was.
TEST(Hint, TheBestNumbersBlinkInThePlayersColourThenTheBoardIsAsBefore) {
    struct Case {
        std::initializer_list<int> covered;
        std::vector<int> lit;
        const char* words;
    };
    for (const Case& c : {Case{{}, {7}, "cover 7"}, Case{{7}, {3, 4}, "cover 3 and 4"}}) {
        SCOPED_TRACE(c.words);
        BoardHarness h;
        h.openResumedWith(c.covered);
        h.throwDice(3, 4);
        const QImage before = look(h);
        pressH(h);
        EXPECT_EQ(said(h), c.words);
        for (int n = 1; n <= 9; ++n) {
            const bool lit = std::count(c.lit.begin(), c.lit.end(), n) > 0;
            EXPECT_EQ(h.ui().numbers[idx(n - 1)]->backColour() == kRed, lit) << n;
        }
        h.wait(pauses::kHintPhase);
        EXPECT_EQ(h.ui().numbers[idx(c.lit[0] - 1)]->backColour(), kBlack);
        h.wait(pauses::kHintPhase);
        EXPECT_EQ(h.ui().numbers[idx(c.lit[0] - 1)]->backColour(), kRed);
        h.wait(pauses::kHintShown - 2 * pauses::kHintPhase);
        EXPECT_EQ(look(h), before);
        EXPECT_TRUE(h.match.isOpen(c.lit[0])) << "a hint covers nothing";
    }
}

// Ready to throw with the single die offered, the hint blinks the control whose click leads to
// the better number of dice from the box's present state, and says so. A click on the lit
// control ends the blink and acts on the board as it was; after it, throwing uses the better
// number. With 4, 7, 8 and 9 covered two dice are worth more (7.129 points against 6.856), with
// 6, 7, 8 and 9 one die.
TEST(Hint, BeforeAThrowItPointsAtTheClickThatGivesTheBetterNumberOfDice) {
    struct Case {
        std::initializer_list<int> covered;
        bool ticked;
        const char* words;
        bool boxLit;
        int bestDice;
    };
    for (const Case& c : {Case{{4, 7, 8}, false, "throw two dice", false, 2},
                          Case{{4, 7, 8}, true, "untick Throw Just One Die", true, 2},
                          Case{{6, 7, 8}, false, "tick Throw Just One Die", true, 1},
                          Case{{6, 7, 8}, true, "throw one die", false, 1}}) {
        SCOPED_TRACE(c.words);
        BoardHarness h;
        h.openResumedWith(c.covered);
        h.throwDice(4, 5);
        h.clickNumber(9);
        if (c.ticked)
            BoardHarness::click(h.ui().singleDie);
        ASSERT_EQ(h.ui().singleDie->isChecked(), c.ticked);
        pressH(h);
        EXPECT_EQ(said(h), c.words);
        EXPECT_EQ(h.ui().singleDie->backColour() == kRed, c.boxLit);
        EXPECT_EQ(h.ui().throwDice->backColour() == kRed, !c.boxLit);
        if (c.boxLit) {
            BoardHarness::click(h.ui().singleDie);
            EXPECT_NE(h.ui().singleDie->backColour(), kRed) << "the click ends the blink";
        }
        h.throwDice(1, c.bestDice == 2 ? 2 : 0);
        EXPECT_EQ(h.board->game().throwState().DiceCount, c.bestDice);
    }
}

// No hint while the dice roll, during a hand-over or on the computer's turn; a screen reader
// asks for one through the message's action.
TEST(Hint, OnlyWhenThePersonHasAChoiceAndAlsoForScreenReaders) {
    BoardHarness h;
    h.openNew(2);
    h.random.scriptDice(3, 4);
    BoardHarness::click(h.ui().throwDice);
    const QImage rolling = look(h);
    pressH(h);
    EXPECT_EQ(look(h), rolling);
    h.wait(pauses::kThrowSettles);
    auto* actions = QAccessible::queryAccessibleInterface(h.ui().message)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains("Show hint"));
    actions->doAction("Show hint");
    EXPECT_EQ(said(h), "cover 7");
    h.wait(pauses::kHintShown);
    h.throwDice(6, 6); // refused: the throw is not used up yet
    h.clickNumber(7);
    h.throwDice(6, 6);
    const QImage handOver = look(h);
    pressH(h);
    EXPECT_EQ(look(h), handOver);

    BoardHarness computer;
    computer.match.ComputerGame = 1;
    computer.openResumedWith<ComputerBoardWindow>({}, 1);
    computer.random.scriptDice(3, 4);
    computer.random.scriptScanOrder(1);
    computer.wait(pauses::kComputerThrows + pauses::kThrowSettles);
    const QImage computersTurn = look(computer);
    const QString before = said(computer);
    pressH(computer);
    EXPECT_EQ(look(computer), computersTurn);
    EXPECT_EQ(said(computer), before);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(computer.ui().throwDice)->state().disabled)
        << "Throw Dice, as designed for the mouse, is no choice for a screen reader now";
}

} // namespace
} // namespace nf
