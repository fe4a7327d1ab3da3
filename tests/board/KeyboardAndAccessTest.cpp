#include "engine/Pauses.h"
#include "front/Program.h"
#include "front/SetupControls.h"
#include "front/TitleControls.h"
#include "platform/PictureBoxControl.h"
#include "platform/SpokenStatus.h"
#include "support/BoardHarness.h"
#include "support/ProgramHarness.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

void press(QWidget& window, Qt::Key key) {
    QTest::keyClick(&window, key);
    test::TestEnvironment::discardClosed();
}

TEST(Keyboard, ATurnPlayedWithKeysAndKeysIgnoredDuringTheHandOver) {
    BoardHarness h;
    h.openNew(2);
    h.random.scriptDice(3, 4);
    press(h.window(), Qt::Key_Space);
    h.wait(pauses::kThrowSettles);
    press(h.window(), Qt::Key_7);
    EXPECT_EQ(h.ui().totals[0]->text(), "7");
    h.random.scriptDice(6, 6);
    press(h.window(), Qt::Key_Return);
    h.wait(pauses::kThrowSettles);
    const QString before = h.ui().dice[0]->text() + h.ui().dice[1]->text();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Enter, Qt::Key_1, Qt::Key_Escape})
        press(h.window(), key);
    h.wait(pauses::kHandOver);
    EXPECT_EQ(h.ui().message->text(), "MAGENTA TO PLAY");
    EXPECT_EQ(before, "66");
    EXPECT_EQ(h.ui().totals[0]->text(), "7");
    EXPECT_FALSE(h.exited) << "no key leaves the board";
    h.random.scriptDice(1, 2);
    press(h.window(), Qt::Key_Space);
    h.wait(pauses::kThrowSettles);
    EXPECT_EQ(h.ui().dice[1]->text(), "2");
}

TEST(Keyboard, OtherScreensTakeTabAndSpaceButNoKeyActsAtOnce) {
    test::ProgramHarness p;
    FormWindow* title = p.title();
    title->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(title));
    EXPECT_EQ(QApplication::focusWidget(), title) << "the window, not a button, has the focus";
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape})
        press(*title, key);
    EXPECT_EQ(p.title(), title) << "nothing has the focus when a window opens";
    EXPECT_FALSE(p.finished);
    QWidget* focused = nullptr;
    for (int tab = 0; tab < 3 && focused != p.titleUi().ok; ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focused = QApplication::focusWidget();
    }
    ASSERT_EQ(focused, p.titleUi().ok) << "Tab reaches OK";
    press(*focused, Qt::Key_Space);
    EXPECT_NE(p.setup(), nullptr);
}

QAccessibleInterface* readerOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// Each event goes to a status line that takes the focus, which is what a screen reader speaks;
// the controls carry their values in their names.
TEST(ScreenReaders, HearEachEventOnTheFocusAndReadTheValuesInTheNames) {
    BoardHarness h;
    h.openNew(2);
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    const SpokenStatus& status = h.board->reader().status();
    const auto heard = [&] {
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), status.current());
        return readerOf(status.current())->text(QAccessible::Name);
    };
    EXPECT_EQ(heard(), "RED TO PLAY, ROUND 1 OF 5");
    h.throwDice(2, 5);
    EXPECT_EQ(heard(), "Threw 2 and 5");
    EXPECT_EQ(readerOf(h.ui().dice[1])->text(QAccessible::Name), "Second die, 5");
    h.clickNumber(7);
    EXPECT_EQ(heard(), "Covered 7, Red's total 7");
    EXPECT_EQ(readerOf(h.ui().totals[0])->text(QAccessible::Name), "Red's total, 7");
    EXPECT_EQ(readerOf(h.ui().numbers[6])->text(QAccessible::Name), "Number 7, covered by Red");
    h.throwDice(6, 6);
    h.wait(pauses::kTurnOverShown);
    EXPECT_EQ(heard(), "Threw 6 and 6, TURN OVER, Red's total 7, Magenta's total 0");
    h.wait(pauses::kNextTurnStarts);
    EXPECT_EQ(heard(), "MAGENTA TO PLAY");
    EXPECT_EQ(readerOf(h.ui().numbers[6])->text(QAccessible::Name), "Number 7");

    // Tab reaches the board's buttons; a button pressed from the keyboard gives the focus back.
    QWidget* focused = nullptr;
    for (int tab = 0; tab < 4 && focused != h.ui().newGame; ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focused = QApplication::focusWidget();
    }
    ASSERT_EQ(focused, h.ui().newGame);
    QTest::keyClick(focused, Qt::Key_Space);
    h.wait(pauses::kNewMatchStarts);
    EXPECT_EQ(heard(), "RED TO PLAY, ROUND 1 OF 5, Red's total 0");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(readerOf(QApplication::focusWidget())->role(), QAccessible::Button);

    test::ProgramHarness p;
    QAccessibleInterface* ok = readerOf(p.titleUi().ok);
    EXPECT_EQ(ok->role(), QAccessible::Button);
    EXPECT_EQ(ok->text(QAccessible::Name), "OK");
    EXPECT_EQ(readerOf(p.titleUi().heading)->role(), QAccessible::StaticText);
    EXPECT_EQ(readerOf(p.title())->text(QAccessible::Name), "Ninefold, title screen");
    EXPECT_TRUE(readerOf(p.titleUi().picture)->state().invisible);
}

// The setup screen's Tab stops in reading order; its prompt is no button, whatever a click on it
// does.
TEST(ScreenReaders, SetupScreenTabsAsItIsReadAndItsPromptIsText) {
    test::ProgramHarness p;
    p.click(p.titleUi().ok);
    FormWindow* setup = p.setup();
    ASSERT_NE(setup, nullptr);
    const SetupControls& ui = p.setupUi();
    EXPECT_EQ(readerOf(ui.prompt)->role(), QAccessible::StaticText);
    EXPECT_EQ(ui.prompt->focusPolicy(), Qt::NoFocus);
    std::vector<QWidget*> order;
    for (QWidget* w = setup->nextInFocusChain(); w != setup && order.size() < 40;
         w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order.push_back(w);
    const std::vector<QWidget*> read = {ui.rules,      ui.playSound,  ui.hideDesktop,
                                        ui.players[0], ui.players[1], ui.players[2],
                                        ui.players[3], ui.address,    ui.exit};
    EXPECT_EQ(order, read);
}

} // namespace
} // namespace nf
