#include "engine/HeadlessGame.h"
#include "engine/Pauses.h"
#include "support/BoardHarness.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace nf {
namespace {
using test::BoardHarness;

Rgb rgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// What the board window shows, read back from its controls in the terms of the headless
// board's record (a spot counts as there or not: the picture tells no player).
DisplayModel shownBy(const BoardControls& ui) {
    DisplayModel m;
    m.message = ui.message->text().toStdString();
    m.messageColour = rgb(ui.message->foreColour());
    m.round = ui.round->text().toStdString();
    m.roundColour = rgb(ui.round->foreColour());
    for (std::size_t i = 0; i < 4; ++i)
        m.scores[i] = ui.totals[i]->text().toLong();
    for (std::size_t i = 0; i < 9; ++i) {
        m.numbers[i].back = rgb(ui.numbers[i]->backColour().value_or(QColor()));
        m.numbers[i].text = rgb(ui.numbers[i]->foreColour());
        m.numbers[i].spot = ui.spots[i]->picture().isNull() ? -1 : 0;
    }
    for (std::size_t i = 0; i < 2; ++i)
        m.dice[i] = ui.dice[i]->text().toInt();
    m.diceBack = rgb(ui.dice[0]->backColour().value_or(QColor()));
    m.diceText = rgb(ui.dice[0]->foreColour());
    m.secondDieVisible = !ui.dice[1]->isHidden();
    m.boxVisible = !ui.singleDie->isHidden();
    m.boxTicked = ui.singleDie->isChecked();
    m.boxText = rgb(ui.singleDie->foreColour());
    m.throwEnabled = ui.throwDice->isEnabled();
    m.throwText = rgb(ui.throwDice->foreColour());
    m.throwBack = rgb(ui.throwDice->backColour().value_or(QColor()));
    return m;
}

// The same record with the spots only as there or not.
DisplayModel asShown(DisplayModel m) {
    for (auto& n : m.numbers)
        n.spot = n.spot >= 0 ? 0 : -1;
    m.lastSound = {};
    m.soundsPlayed = 0;
    return m;
}

// What a player can see of the record: a hidden second die shows nothing of its rolling.
auto fields(const DisplayModel& m) {
    std::vector<std::tuple<int, int, int>> numbers;
    for (const auto& n : m.numbers)
        numbers.emplace_back((n.back.r << 16) | (n.back.g << 8) | n.back.b,
                             (n.text.r << 16) | (n.text.g << 8) | n.text.b, n.spot);
    const auto colour = [](Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; };
    return std::make_tuple(m.message, colour(m.messageColour), m.round, colour(m.roundColour),
                           m.scores, numbers, m.dice[0], m.secondDieVisible ? m.dice[1] : 0,
                           colour(m.diceBack), colour(m.diceText), m.secondDieVisible, m.boxVisible,
                           m.boxTicked, colour(m.boxText), m.throwEnabled, colour(m.throwText),
                           colour(m.throwBack));
}

// The board window and the headless board, given the same clicks and pauses, show the same
// at every step: messages, colours, totals, dice, covered numbers and spots, the box and the
// throw button, through hand-overs, cleared boards, the single die and the result. The match
// the board hands to the record is the one it showed, with the throws the headless board logs.
TEST(BoardShowsTheGame, AsTheHeadlessBoardRecordsIt) {
    int singleDieThrows = 0;
    for (int players : {2, 3, 4}) {
        SCOPED_TRACE(players);
        BoardHarness h;
        h.openNew(players);
        HeadlessGame table(players);
        std::optional<std::pair<MatchSummary, MatchLog>> recorded;
        QObject::connect(h.board, &BoardWindow::matchFinished,
                         [&](const MatchSummary& s, const MatchLog& l) {
                             recorded = {s, l};
                         });
        MatchLogger logged({});
        table.game().setObserver(&logged);
        SeededRandom clicks(static_cast<std::uint64_t>(players));
        for (int step = 0; step < 5000 && table.game().endState().GameOver == 0; ++step) {
            const double pick = clicks.next();
            const ThrowState& t = table.game().throwState();
            if (t.boxShown && !t.boxTicked && clicks.next() < 0.5) {
                table.tickBox();
                BoardHarness::click(h.ui().singleDie);
            } else if (pick < 0.35) {
                const int d1 = 1 + static_cast<int>(clicks.next() * 6);
                const int d2 = 1 + static_cast<int>(clicks.next() * 6);
                const bool one = table.game().throwState().DiceCount == 1;
                if (table.throwDice(d1, one ? 0 : d2)) {
                    h.throwDice(d1, one ? 0 : d2);
                    singleDieThrows += one ? 1 : 0;
                }
            } else if (pick < 0.85) {
                // Mostly a number the dice offer, sometimes any.
                const int offered[] = {t.Dice[0] + t.Dice[1], t.Dice[0], t.Dice[1]};
                int n = clicks.next() < 0.6 ? offered[static_cast<int>(clicks.next() * 3)] : 0;
                if (n < 1 || n > 9)
                    n = 1 + static_cast<int>(clicks.next() * 9);
                table.cover(n);
                h.clickNumber(n);
            } else {
                const int ms = clicks.next() < 0.5 ? pauses::kHandOver : pauses::kTurnOverShown;
                table.wait(ms);
                h.wait(ms);
            }
            ASSERT_EQ(fields(shownBy(h.ui())), fields(asShown(table.shown()))) << "step " << step;
        }
        EXPECT_EQ(table.game().endState().GameOver, 1) << "the match was played to its end";
        ASSERT_TRUE(recorded);
        const MatchSummary& summary = recorded->first;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(QString::number(summary.seats[i].total), h.ui().totals[i]->text());
        EXPECT_EQ(h.ui().message->text().toStdString(),
                  std::string(messageText(summary.draw ? MessageKind::Draw : MessageKind::HasWon,
                                          summary.winner)
                                  .english));
        EXPECT_EQ(std::make_tuple(summary.players, summary.kind, summary.resumed),
                  std::make_tuple(players, BoardKind::People, false));
        EXPECT_EQ(recorded->second.throws, logged.log().throws);
    }
    EXPECT_GT(singleDieThrows, 0) << "the single die was chosen and thrown";
}

} // namespace
} // namespace nf
