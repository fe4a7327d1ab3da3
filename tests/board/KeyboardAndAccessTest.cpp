#include "engine/Pauses.h"
#include "front/Program.h"
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

TEST(ScreenReaders, FollowTheMessageTheDiceAndTheTotals) {
    BoardHarness h;
    h.openNew(2);
    h.throwDice(2, 5);
    h.clickNumber(7);
    QAccessibleInterface* message = readerOf(h.ui().message);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(QAccessible::Name), "Message");
    EXPECT_EQ(message->text(QAccessible::Value), "RED TO PLAY");
    EXPECT_EQ(readerOf(h.ui().dice[1])->text(QAccessible::Value), "5");
    EXPECT_EQ(readerOf(h.ui().totals[0])->text(QAccessible::Name), "Red's total");
    EXPECT_EQ(readerOf(h.ui().totals[0])->text(QAccessible::Value), "7");
    EXPECT_EQ(readerOf(h.ui().round)->text(QAccessible::Value), "ROUND 1 OF 5");

    test::ProgramHarness p;
    QAccessibleInterface* ok = readerOf(p.titleUi().ok);
    EXPECT_EQ(ok->role(), QAccessible::Button);
    EXPECT_EQ(ok->text(QAccessible::Name), "OK");
    EXPECT_EQ(readerOf(p.titleUi().heading)->role(), QAccessible::StaticText);
}

} // namespace
} // namespace nf
