#include "platform/GameFolder.h"
#include "platform/GameTexts.h"
#include "statistics/RecordPlot.h"
#include "statistics/StatisticsWindow.h"
#include "support/ProgramHarness.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace nf {
namespace {

// A record of two matches on the people's board, the last one with a choice that lost
// 4.157933 points (3 and 4 covered instead of 7 on an open board), and one against the
// expert computer.
RecordFigures aRecord() {
    RecordFigures f;
    f.matches = 3;
    f.seats[0][0] = {2, 1, 0, 60, 90, 1, 24, 10, 4.157933};
    f.seats[0][1] = {2, 1, 0, 45, 80, 0, 20, 10, 0};
    f.seats[2][0] = {1, 0, 1, 50, 50, 0, 9, 5, 0};
    RecordedMatch last;
    last.summary.players = 2;
    last.summary.seats[0] = {30, 0, 1, 5, 4.157933};
    last.summary.seats[1] = {45, 0, 1, 5, 0};
    last.summary.winner = 1;
    MatchLog log;
    log.throws = {{1, 0, 0, false, 3, 4, numberBit(3) | numberBit(4)},
                  {1, 1, 0, false, 3, 4, numberBit(7)}};
    last.throws = log.encode();
    f.recent = {last, last};
    f.recent[0].summary.seats[0].total = 60;
    f.last = last;
    return f;
}

QStringList texts(const QWidget& window) {
    QStringList all;
    for (const QLabel* label : window.findChildren<QLabel*>())
        all << label->text();
    return all;
}

// The window's texts in English and German, the review of the last match word for word, the
// rows named for screen readers, the plot drawn in the seats' colours, and Escape closes it.
TEST(Statistics, TheWindowShowsTheRecordInThePlayersLanguage) {
    {
        StatisticsWindow window(aRecord());
        window.show();
        const QStringList shown = texts(window);
        EXPECT_TRUE(shown.contains("Matches recorded: 3"));
        EXPECT_TRUE(shown.contains("Against the expert computer"));
        EXPECT_FALSE(shown.contains("Against the classic computer")) << "no match there";
        EXPECT_TRUE(shown.contains("Last match (People): Red 30, Magenta 45; Magenta won"));
        EXPECT_TRUE(shown.contains("round 1, Red, dice 3 and 4 on an open board: covered 3 and "
                                   "4, best was 7 (4.2 points lost)"));
        bool named = false;
        for (const QLabel* label : window.findChildren<QLabel*>())
            named |= label->accessibleName() ==
                     "Red: matches 2, wins 1, draws 0, best total 60, mean total 45.0, clears 1, "
                     "points lost per turn 0.42";
        EXPECT_TRUE(named);
        QWidget* plot = window.findChild<RecordPlot*>();
        ASSERT_TRUE(plot);
        EXPECT_EQ(plot->accessibleDescription(),
                  "Red 60, Magenta 45 (0.42); Red 30, Magenta 45 (0.42)");
        const QImage drawn = plot->grab().toImage();
        int red = 0, white = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QColor c = drawn.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
                white += c.red() > 200 && c.green() > 200 && c.blue() > 200 ? 1 : 0;
            }
        EXPECT_GT(red, 20) << "Red's totals";
        EXPECT_GT(white, 20) << "the points lost";
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    }
    installTranslation(GameFolder(QStringLiteral(NINEFOLD_DATA_DIR)), QLocale("de"));
    const QStringList shown = texts(StatisticsWindow(aRecord()));
    removeTranslation();
    EXPECT_TRUE(shown.contains("Aufgezeichnete Spiele: 3"));
    EXPECT_TRUE(shown.contains("Runde 1, Rot, Würfel 3 und 4 auf freiem Brett: 3 und 4 "
                               "abgedeckt, am besten war 7 (4,2 Punkte verloren)"))
        << shown.join('\n').toStdString();
}

// S on the title screen and on a board opens the statistics, with a match played to its end
// on the board counted.
TEST(Statistics, TheKeySOpensThemFromTheTitleAndTheBoard) {
    test::ProgramHarness h;
    const long before = loadRecordStore(h.dir.path())->read(1)->matches;
    const auto recorded = [](long n) { return QStringLiteral("Matches recorded: %1").arg(n); };
    QTest::keyClick(h.title(), Qt::Key_S);
    ASSERT_TRUE(h.program.statisticsWindow());
    EXPECT_TRUE(texts(*h.program.statisticsWindow()).contains(recorded(before)));
    h.program.statisticsWindow()->close();
    h.discardClosed();
    h.match.PlayerCount = 2;
    h.match.SoundOn = 1;
    h.match.HideDesktop = 1;
    BoardWindow* board = h.program.openBoard(false, Opening::New);
    h.match.RoundNumber = kRounds; // the last round, Magenta's turn
    h.match.CurrentPlayer = 1;
    h.throwDice(6, 6); // no move: the match ends after the hand-over
    h.wait(pauses::kHandOver);
    ASSERT_TRUE(board->game().endState().GameOver);
    QTest::keyClick(&board->window(), Qt::Key_S);
    ASSERT_TRUE(h.program.statisticsWindow());
    EXPECT_TRUE(texts(*h.program.statisticsWindow()).contains(recorded(before + 1)));
}

// A match left with Exit is not recorded; continued and finished, it is recorded once, with
// its throws from before the Exit.
TEST(Statistics, AMatchLeftAndContinuedIsRecordedOnceWithAllItsThrows) {
    test::ProgramHarness h;
    const auto store = loadRecordStore(h.dir.path());
    ASSERT_TRUE(store);
    const long before = store->read(1)->matches;
    h.match.PlayerCount = 2;
    h.match.SoundOn = 1;
    h.match.HideDesktop = 1;
    h.program.openBoard(false, Opening::New);
    h.throwDice(3, 4);
    h.click(h.boardUi().numbers[6]);
    h.click(h.boardUi().exit);
    EXPECT_EQ(store->read(1)->matches, before);
    h.click(h.titleUi().restart);
    ASSERT_TRUE(h.program.board());
    h.match.RoundNumber = kRounds;
    for (int turn = 0; turn < 2; ++turn) { // no move for Red, then for Magenta: the end
        h.throwDice(6, 6);
        h.wait(pauses::kHandOver);
    }
    ASSERT_TRUE(h.program.board()->game().endState().GameOver);
    const std::optional<RecordFigures> f = store->read(1);
    ASSERT_TRUE(f && f->last);
    EXPECT_EQ(f->matches, before + 1);
    EXPECT_FALSE(f->last->summary.resumed);
    EXPECT_EQ(f->last->summary.seats[0].total, 7);
    const std::optional<MatchLog> log = MatchLog::decode(f->last->throws);
    ASSERT_TRUE(log);
    ASSERT_EQ(log->throws.size(), 3u);
    EXPECT_EQ(log->throws[0].covers, numberBit(7));
    EXPECT_EQ(store->unfinished(h.program.board()->continuedFrom().toStdString()), std::nullopt);
}

} // namespace
} // namespace nf
