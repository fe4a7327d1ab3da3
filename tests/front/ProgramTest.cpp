#include "computer/ComputerBoardWindow.h"
#include "engine/Pauses.h"
#include "support/ProgramHarness.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace nf {
namespace {
using test::ProgramHarness;

// Turns without a move until the match ends; the computer, when it plays, throws double six.
void playToTheEnd(ProgramHarness& p) {
    for (int turn = 0; turn < 30 && p.boardUi().round->text() != "END OF GAME"; ++turn) {
        if (p.boardUi().message->text() == "MAGENTA TO PLAY" &&
            qobject_cast<ComputerBoardWindow*>(p.program.board())) {
            p.random.afterReseeds.clear();
            p.random.scriptDice(6, 6);
            p.random.scriptScanOrder(1);
            p.wait(pauses::kComputerThrows + pauses::kThrowSettles + pauses::kHandOver);
            continue;
        }
        p.throwDice(6, 6);
        p.wait(pauses::kHandOver);
    }
    ASSERT_EQ(p.boardUi().round->text(), "END OF GAME");
}

TEST(Program, FromTheTitleThroughSavedMatchesToAGameAgainstTheComputer) {
    ProgramHarness p;
    ASSERT_NE(p.title(), nullptr);
    EXPECT_EQ(p.match.SoundOn, 1);

    p.click(p.titleUi().ok);
    EXPECT_EQ(p.title(), nullptr);
    ASSERT_NE(p.setup(), nullptr);
    FormWindow* grey = p.program.backdropWindow();
    ASSERT_NE(grey, nullptr);
    EXPECT_TRUE(grey->isVisible());
    EXPECT_FALSE(grey->isEnabled());
    EXPECT_TRUE(grey->windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
    EXPECT_EQ(grey->background(), QColor(49, 135, 215));
    EXPECT_EQ(grey->geometry(), QGuiApplication::primaryScreen()->geometry());

    p.click(p.setupUi().rules);
    p.click(p.rulesUi(1).nextPage);
    // A press on the backdrop hands the front back: here (no window manager to keep it
    // below) by showing the game's windows afresh, each where it stood.
    const QRect setupPlace = p.setup()->geometry();
    QTest::mousePress(grey->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(grey->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.setup()->isVisible());
    EXPECT_TRUE(p.rules(2)->isVisible());
    EXPECT_EQ(p.setup()->geometry(), setupPlace);
    p.click(p.setupUi().players[2]); // three players
    EXPECT_EQ(p.setup(), nullptr);
    EXPECT_NE(p.rules(2), nullptr) << "page 2 stays open";
    ASSERT_NE(p.board(), nullptr);
    EXPECT_EQ(p.match.PlayerCount, 3);

    p.throwDice(3, 4);
    p.click(p.boardUi().numbers[6]); // 7
    p.throwDice(6, 6);
    p.wait(pauses::kHandOver);
    p.throwDice(2, 2);
    p.click(p.boardUi().numbers[3]); // 4
    p.throwDice(6, 6);
    p.wait(pauses::kHandOver);
    p.throwDice(1, 2);
    p.click(p.boardUi().numbers[2]); // Yellow covers 3, mid-turn
    p.match.SoundOn = 0;             // the title screen will set it again
    p.click(p.boardUi().exit);
    ASSERT_NE(p.title(), nullptr);
    EXPECT_EQ(p.board(), nullptr);
    EXPECT_EQ(p.match.SoundOn, 1);
    const QByteArray saved = p.savedGame();
    ASSERT_FALSE(saved.isEmpty());

    p.click(p.titleUi().restart);
    ASSERT_NE(p.board(), nullptr);
    EXPECT_EQ(p.title(), nullptr);
    EXPECT_EQ(qobject_cast<ComputerBoardWindow*>(p.program.board()), nullptr);
    EXPECT_EQ(p.boardUi().message->text(), "YELLOW TO PLAY");
    EXPECT_EQ(p.boardUi().totals[0]->text() + p.boardUi().totals[1]->text() +
                  p.boardUi().totals[2]->text(),
              "743");
    playToTheEnd(p);
    p.click(p.boardUi().exit);
    EXPECT_EQ(p.savedGame(), saved) << "a finished match is not saved";

    p.click(p.titleUi().restart);
    EXPECT_EQ(p.boardUi().message->text(), "YELLOW TO PLAY") << "the earlier match again";
    p.click(p.boardUi().exit);

    p.click(p.titleUi().ok);
    p.click(p.setupUi().players[0]); // one player
    ASSERT_NE(qobject_cast<ComputerBoardWindow*>(p.program.board()), nullptr);
    EXPECT_EQ(p.match.PlayerCount, 2);
    EXPECT_EQ(p.match.ComputerGame, 1);
    playToTheEnd(p);
    EXPECT_EQ(p.boardUi().message->text(), "IT'S A DRAW");
    p.click(p.boardUi().exit);

    p.sound.played.clear();
    p.click(p.titleUi().exit);
    EXPECT_TRUE(p.finished);
    EXPECT_EQ(p.title(), nullptr);
    EXPECT_EQ(p.rules(2), nullptr);
    EXPECT_EQ(p.program.backdropWindow(), nullptr);
    EXPECT_TRUE(p.sound.played.isEmpty());
}

// The computer plays as the command line asked, on a new board and on a resumed one.
TEST(Program, TheExpertComputerPlaysOnlyWhenAskedFor) {
    for (ComputerPlay play : {ComputerPlay::Classic, ComputerPlay::Expert}) {
        ProgramHarness p(true, play);
        p.click(p.titleUi().ok);
        p.click(p.setupUi().players[0]); // one player
        auto* board = qobject_cast<ComputerBoardWindow*>(p.program.board());
        ASSERT_NE(board, nullptr);
        EXPECT_EQ(board->computerGame().play(), play);
        p.click(p.boardUi().exit);
        p.click(p.titleUi().restart);
        board = qobject_cast<ComputerBoardWindow*>(p.program.board());
        ASSERT_NE(board, nullptr);
        EXPECT_EQ(board->computerGame().play(), play);
    }
}

TEST(Program, RestartWithoutAGoodFileLeavesTheTitleScreenUsable) {
    ProgramHarness p;
    p.click(p.titleUi().restart);
    EXPECT_EQ(p.board(), nullptr);
    ASSERT_NE(p.title(), nullptr);
    p.writeSavedGame("2\r\n1\r\n3\r\n0\r\n41\r\n27\r\n0\r\n0\r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n"
                     " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n1\r\n");
    p.click(p.titleUi().restart);
    EXPECT_EQ(p.board(), nullptr) << "eighteen lines";
    EXPECT_EQ(p.program.backdropWindow(), nullptr);
    EXPECT_TRUE(p.sound.played.isEmpty());
    p.writeSavedGame(p.savedGame() + "1\r\n");
    p.click(p.titleUi().restart);
    ASSERT_NE(p.board(), nullptr);
    EXPECT_EQ(p.boardUi().message->text(), "MAGENTA TO PLAY");
    EXPECT_NE(p.program.backdropWindow(), nullptr) << "the saved game hid the desktop";
}

TEST(Program, WithoutSoundTheGameIsSilentButTheSoundBoxStillClicks) {
    ProgramHarness p;
    p.click(p.titleUi().ok);
    p.sound.played.clear();
    QWidget* box = p.setupUi().playSound;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    EXPECT_EQ(p.sound.played, QStringList{"click.wav"});
    p.click(p.setupUi().players[1]);
    EXPECT_EQ(p.match.SoundOn, 0);
    p.throwDice(1, 2);
    p.click(p.boardUi().numbers[2]);
    p.throwDice(6, 6);
    p.wait(pauses::kHandOver);
    EXPECT_EQ(p.sound.played, QStringList{"click.wav"});
}

TEST(Program, WithoutItsPicturesTheGameStillPlays) {
    ProgramHarness p(false);
    EXPECT_EQ(p.title()->frameGeometry().size(), QSize(800, 600)) << "the standard size instead";
    p.click(p.titleUi().ok);
    EXPECT_EQ(p.setup()->frameGeometry().size(), QSize(800, 600));
    EXPECT_FALSE(p.setupUi().hideDesktop->isVisible()) << "the steps after the picture are skipped";
    p.click(p.setupUi().players[1]);
    p.throwDice(2, 5);
    p.click(p.boardUi().numbers[6]);
    EXPECT_EQ(p.boardUi().totals[0]->text(), "7")
        << "a missing spot picture leaves its place empty";
}

TEST(Program, CloseBoxesActAsExit) {
    ProgramHarness p;
    p.click(p.titleUi().ok);
    p.setup()->close();
    test::TestEnvironment::discardClosed();
    EXPECT_EQ(p.setup(), nullptr);
    ASSERT_NE(p.title(), nullptr) << "the setup screen's close box goes back to the title";

    p.click(p.titleUi().ok);
    p.click(p.setupUi().rules);
    p.click(p.rulesUi(1).nextPage);
    p.click(p.rulesUi(2).throwDice); // the try-out rolls
    p.sound.played.clear();
    p.rules(2)->close(); // the window manager's close box, or Alt+F4
    test::TestEnvironment::discardClosed();
    EXPECT_EQ(p.rules(2), nullptr) << "closed as by its Exit";
    EXPECT_EQ(p.sound.played, QStringList{"click.wav"});
    p.click(p.setupUi().rules);
    p.click(p.rulesUi(1).nextPage);
    ASSERT_NE(p.rules(2), nullptr);
    EXPECT_EQ(p.rulesUi(2).dice[0]->text(), "") << "a fresh page";

    FormWindow* backdrop = p.program.backdropWindow();
    backdrop->close();
    EXPECT_TRUE(backdrop->isVisible()) << "only Hide Desktop takes the backdrop away";

    p.click(p.setupUi().exit);
    p.title()->close();
    EXPECT_TRUE(p.finished);
}

void expectCentredOnItsFrame(const FormWindow& window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    SCOPED_TRACE(testing::PrintToString(frame));
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

// With a frame around each window (a window manager's, or the offscreen platform's frame
// margins), the title and setup screens stand centred on their frames, as the boards do.
TEST(FramedWindows, EveryScreenIsCentredWithItsFrame) {
    ProgramHarness p;
    if (p.title()->frameGeometry() == p.title()->geometry())
        GTEST_SKIP() << "needs windows with frames";
    expectCentredOnItsFrame(*p.title());
    p.click(p.titleUi().ok);
    expectCentredOnItsFrame(*p.setup());
    p.click(p.setupUi().players[1]);
    expectCentredOnItsFrame(*p.board());
    EXPECT_EQ(p.board()->frameGeometry().size(), QSize(800, 600));
}

} // namespace
} // namespace nf
