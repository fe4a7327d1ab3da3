// Run inside a real Wayland compositor by the test `game_on_a_wayland_compositor`; skipped on
// any other platform.
#include "support/ProgramHarness.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using namespace nf;
using namespace nf::test;

namespace {

// A Wayland compositor keeps a window above its parent: every game window is the backdrop's
// child, shown on the output.
void expectOverBackdrop(FormWindow* window, FormWindow* grey) {
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << window->name().toStdString();
    EXPECT_EQ(window->windowHandle()->transientParent(), grey->windowHandle())
        << window->name().toStdString();
    const QSize output = window->screen()->geometry().size();
    EXPECT_LE(window->frameGeometry().width(), output.width());
    EXPECT_LE(window->frameGeometry().height(), output.height());
}

} // namespace

TEST(Wayland, EveryGameWindowIsTheBackdropsChildOnTheOutput) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        GTEST_SKIP() << "needs a Wayland compositor";
    ProgramHarness p;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.title()));
    p.click(p.titleUi().ok);
    FormWindow* grey = p.program.backdropWindow();
    ASSERT_NE(grey, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grey));
    expectOverBackdrop(p.setup(), grey);

    QTest::mouseClick(grey->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    expectOverBackdrop(p.setup(), grey);

    p.click(p.setupUi().rules);
    expectOverBackdrop(p.rules(1), grey);
    p.click(p.setupUi().players[1]); // two players
    expectOverBackdrop(p.board(), grey);
}
