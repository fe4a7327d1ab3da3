#include "Tables.h"
#include "engine/Pauses.h"

#include <gtest/gtest.h>
#include <limits>

namespace nf {
namespace {

constexpr i16 kMin = std::numeric_limits<i16>::min();
constexpr i16 kMax = std::numeric_limits<i16>::max();

// Any 16-bit value, with the edges and the small values that matter most drawn often.
i16 anyValue(SeededRandom& r) {
    static const i16 interesting[] = {kMin, kMin + 1, -5, -1, 0, 1,        2,
                                      3,    4,        5,  6,  7, kMax - 1, kMax};
    const double pick = r.next();
    if (pick < 0.7)
        return interesting[static_cast<int>(r.next() * std::size(interesting))];
    return static_cast<i16>(static_cast<int>(r.next() * 65536) - 32768);
}

MatchState hostileMatch(SeededRandom& r) {
    MatchState m;
    m.PlayerCount = anyValue(r);
    m.CurrentPlayer = anyValue(r);
    m.RoundNumber = anyValue(r);
    m.SoundOn = anyValue(r);
    m.HideDesktop = anyValue(r);
    for (auto& s : m.Scores)
        s = anyValue(r);
    for (std::size_t i = 0; i < 9; ++i)
        m.Covered[i] = r.next() < 0.5 ? anyValue(r) : static_cast<i16>(r.next() * 2);
    return m;
}

void randomClick(HeadlessGame& table, SeededRandom& r) {
    const double pick = r.next();
    if (pick < 0.3)
        table.throwRandom();
    else if (pick < 0.75)
        table.cover(static_cast<int>(r.next() * 11) - 1); // 0 and 10 are off the board
    else if (pick < 0.82)
        table.tickBox();
    else if (pick < 0.84)
        table.newGame();
    else
        table.wait(static_cast<int>(r.next() * 3000));
}

// Whatever a hand-edited saved game holds, the board plays on without a fault: sanitizers
// watch every step, and totals stay where the saved file can hold them.
TEST(HostileState, AnyResumedValuesPlayOnWithoutFault) {
    SeededRandom r(2024);
    for (int match = 0; match < 300; ++match) {
        const MatchState saved = hostileMatch(r);
        auto table = HeadlessGame::resume(saved, static_cast<std::uint64_t>(match));
        for (int step = 0; step < 200; ++step) {
            const auto scoresBefore = table->match().Scores;
            randomClick(*table, r);
            for (std::size_t p = 0; p < 4; ++p) {
                if (table->match().Scores[p] != 0) {
                    ASSERT_GE(table->match().Scores[p], scoresBefore[p]) << "a total wrapped";
                }
            }
            ASSERT_LT(static_cast<int>(table->game().throwState().SettledDice), 3);
        }
    }
}

TEST(HostileState, PlayerCountsThatCannotDivideStillPassTheDice) {
    for (i16 players : {i16{0}, i16{-3}, i16{1}, i16{5}, kMin, kMax}) {
        SCOPED_TRACE(players);
        MatchState saved = test::savedMatch({}, players, kMax);
        auto table = HeadlessGame::resume(saved);
        table->throwDice(6, 6);
        table->wait(pauses::kHandOver);
        const int magnitude = players == 0 ? 1 : std::abs(static_cast<int>(players));
        EXPECT_GE(table->match().CurrentPlayer, 0);
        EXPECT_LT(table->match().CurrentPlayer, magnitude);
        EXPECT_TRUE(table->game().canThrow() || table->game().endState().GameOver == 1);
    }
}

TEST(HostileState, RoundsOutOfRangeEndOrRunWithoutWrapping) {
    MatchState late = test::savedMatch({}, 2, 1, kMax); // Magenta, round "32767 of 5"
    auto table = HeadlessGame::resume(late);
    EXPECT_EQ(table->shown().round, "ROUND 32767 OF 5");
    table->throwDice(6, 6);
    table->wait(pauses::kHandOver);
    EXPECT_EQ(table->game().endState().GameOver, 1) << "a round beyond the fifth ends the match";

    MatchState early = test::savedMatch({1, 2, 3, 4, 5, 6, 7, 8}, 2, 0, kMin); // Red clears
    auto clearing = HeadlessGame::resume(early);
    clearing->throwDice(4, 5);
    ASSERT_TRUE(clearing->cover(9));
    EXPECT_EQ(clearing->match().RoundNumber, kMin) << "taking back a round stops at the limit";
    clearing->wait(pauses::kNextTurnStarts);
    EXPECT_EQ(clearing->match().RoundNumber, kMin + 1);
}

} // namespace
} // namespace nf
