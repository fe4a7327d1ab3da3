#include "board/SavedGame.h"

#include "support/BoardHarness.h"

#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

// Two people in round 3, Magenta to move, Red on 41 and Magenta on 27, Magenta having
// covered 4 and 5, sound on, desktop hidden.
const QByteArray kExample = "2\r\n1\r\n3\r\n0\r\n41\r\n27\r\n0\r\n0\r\n"
                            " 0 \r\n 0 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                            "1\r\n1\r\n";

MatchState exampleMatch() {
    MatchState m;
    SavedGame::decodeInto(kExample, m);
    return m;
}

TEST(SavedGame, ExitWritesTheExampleMatchByteForByte) {
    BoardHarness h;
    h.match = exampleMatch();
    h.openResumed();
    EXPECT_EQ(h.ui().message->text(), "MAGENTA TO PLAY");
    h.click(h.ui().exit);
    EXPECT_TRUE(h.exited);
    EXPECT_EQ(h.savedGame(), kExample);
    EXPECT_EQ(h.sound.played.last(), "click.wav");
    EXPECT_FALSE(h.window().isVisible());
}

TEST(SavedGame, AResumedMatchShowsAsItWasLeft) {
    BoardHarness h;
    h.match = exampleMatch();
    h.match.PlayerCount = 4;
    h.match.Scores = {41, 27, 17, 23};
    h.openResumed();
    const QColor magenta(255, 0, 255), brown(128, 64, 0);
    EXPECT_EQ(h.ui().message->foreColour(), magenta);
    EXPECT_EQ(h.ui().round->text(), "ROUND 3 OF 5");
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const bool covered = n == 4 || n == 5;
        EXPECT_EQ(h.ui().numbers[n - 1]->backColour(), covered ? brown : QColor(Qt::black));
        EXPECT_EQ(h.ui().numbers[n - 1]->foreColour(), covered ? brown : magenta);
        EXPECT_EQ(h.ui().spots[n - 1]->picture().isNull(), !covered);
    }
    EXPECT_EQ(h.ui().totals[2]->text(), "17");
    EXPECT_EQ(h.ui().totals[3]->text(), "23");
    EXPECT_TRUE(h.ui().throwDice->isEnabled());
}

// Whatever the nineteen values (a hand-edited file may hold any 16-bit number), reading what
// was written gives them back.
TEST(SavedGame, ReadingWhatWasWrittenGivesTheSameMatch) {
    SeededRandom r(19);
    const auto any = [&r] { return static_cast<i16>(static_cast<int>(r.next() * 65536) - 32768); };
    for (int trial = 0; trial < 2000; ++trial) {
        MatchState m;
        for (const SavedGame::Field& f : SavedGame::fields())
            f.set(m, f.form == SavedGame::Form::Flag && trial % 2 ? static_cast<i16>(r.next() * 2)
                                                                  : any());
        MatchState read;
        ASSERT_TRUE(SavedGame::decodeInto(
            SavedGame::encode(m, {m.Scores[0], m.Scores[1], m.Scores[2], m.Scores[3]}), read));
        ASSERT_TRUE(SavedGame::sameFields(read, m)) << trial;
    }
}

TEST(SavedGame, ReadingStopsAtTheFirstBadValueKeepingWhatCameBefore) {
    const QByteArray eighteen = kExample.left(kExample.lastIndexOf("1\r\n"));
    MatchState m;
    m.HideDesktop = 0;
    EXPECT_FALSE(SavedGame::decodeInto(eighteen, m));
    EXPECT_EQ(m.SoundOn, 1) << "the 18th value was read";
    EXPECT_EQ(m.HideDesktop, 0);

    for (const QByteArray& bad : {QByteArray("2\r\nthree\r\n"), QByteArray("2\r\n40000\r\n"),
                                  QByteArray("2\r\n-32769\r\n"), QByteArray()}) {
        MatchState n;
        EXPECT_FALSE(SavedGame::decodeInto(bad, n));
        EXPECT_EQ(n.CurrentPlayer, 0);
    }
    EXPECT_FALSE(SavedGame::load({"/nonexistent/lastgame.inf", {}}, m));

    MatchState commas;
    EXPECT_TRUE(
        SavedGame::decodeInto("4,3,2,1, 5 ,6,7,8\n1,1,1,0,0,0,0,0,0\n-1,32767\nmore", commas));
    EXPECT_EQ(commas.PlayerCount, 4);
    EXPECT_EQ(commas.Scores[3], 8);
    EXPECT_EQ(commas.SoundOn, -1);
    EXPECT_EQ(commas.HideDesktop, 32767);
}

} // namespace
} // namespace nf
