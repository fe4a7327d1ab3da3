#include "computer/ComputerBoardWindow.h"
#include "engine/Pauses.h"
#include "engine/Tables.h"
#include "support/BoardHarness.h"

#include <gtest/gtest.h>
#include <set>

namespace nf {
namespace {
using test::BoardHarness;
using test::coveredNumbers;
using Covers = std::vector<std::pair<int, int>>; // (try 1..9, number covered)
using namespace pauses;

// Longer than any pause of the game: whatever was to happen has happened.
constexpr int kLongWhile = 8 * kHandOver;

// The computer's board resumed with Magenta to throw and the given numbers covered.
void openForComputer(BoardHarness& h, const std::vector<int>& covered,
                     ComputerPlay play = ComputerPlay::Classic) {
    h.match.ComputerGame = 1;
    for (int n : covered)
        h.match.Covered[idx(n - 1)] = 1;
    h.match.PlayerCount = 2;
    h.match.CurrentPlayer = 1;
    h.match.RoundNumber = 1;
    h.match.SoundOn = 1;
    h.board = new ComputerBoardWindow(h.env, Opening::Resume, play);
    h.board->show();
}

// Lets the computer throw (1000 ms after its turn or scan) and settle, then watches its nine
// tries and returns what each covered.
Covers watchThrowAndScan(BoardHarness& h, int d1, int d2, int order) {
    h.random.scriptDice(d1, d2);
    h.random.scriptScanOrder(order);
    h.wait(kComputerThrows + (d2 > 0 ? kThrowSettles : kFirstDieSettles));
    Covers covers;
    for (int attempt = 1; attempt <= 9; ++attempt) {
        const std::set<int> before = coveredNumbers(h.match);
        h.wait(kComputerTries);
        for (int n : coveredNumbers(h.match))
            if (!before.count(n))
                covers.push_back({attempt, n});
    }
    return covers;
}

struct ScanCase {
    const char* name;
    std::vector<int> covered;
    int d1, d2;
    Covers order1, order2;
};

TEST(ComputerScan, EachOrderCoversWhatTheRulesAllowFirst) {
    const std::vector<ScanCase> cases = {
        {"3 and 4, all open", {}, 3, 4, {{3, 7}}, {{3, 3}, {4, 4}}},
        {"6 and 5, all open", {}, 6, 5, {{4, 6}, {5, 5}}, {{5, 5}, {6, 6}}},
        {"2 and 5, 7 covered", {7}, 2, 5, {{5, 5}, {8, 2}}, {{2, 2}, {5, 5}}},
        {"4 and 4, 8 open", {}, 4, 4, {{2, 8}}, {{8, 8}}},
        {"1 and 2, 1 covered", {1}, 1, 2, {{7, 3}}, {{3, 3}}},
    };
    for (const ScanCase& c : cases)
        for (int order : {1, 2}) {
            SCOPED_TRACE(std::string(c.name) + ", order " + std::to_string(order));
            BoardHarness h;
            openForComputer(h, c.covered);
            EXPECT_EQ(watchThrowAndScan(h, c.d1, c.d2, order), order == 1 ? c.order1 : c.order2);
        }
}

// The expert's scan runs at the same pace, its tries clicking only the best choice's numbers;
// it takes one die only when that is worth more.
TEST(ComputerScan, TheExpertsTriesAimAtTheBestChoice) {
    const std::vector<ScanCase> cases = {
        {"3 and 4, all open", {}, 3, 4, {{3, 7}}, {{7, 7}}},
        {"3 and 4, 7 covered", {7}, 3, 4, {{6, 4}, {7, 3}}, {{3, 3}, {4, 4}}},
        {"1 and 2, 7 to 9 covered", {7, 8, 9}, 1, 2, {{8, 2}, {9, 1}}, {{1, 1}, {2, 2}}},
    };
    for (const ScanCase& c : cases)
        for (int order : {1, 2}) {
            SCOPED_TRACE(std::string(c.name) + ", order " + std::to_string(order));
            BoardHarness h;
            openForComputer(h, c.covered, ComputerPlay::Expert);
            EXPECT_EQ(watchThrowAndScan(h, c.d1, c.d2, order), order == 1 ? c.order1 : c.order2);
        }
    for (const auto& [covered, dice] :
         {std::pair{std::vector<int>{6, 7, 8}, 1}, std::pair{std::vector<int>{7, 8}, 2}}) {
        BoardHarness h;
        openForComputer(h, covered, ComputerPlay::Expert);
        watchThrowAndScan(h, 4, 5, 1); // covers 9
        EXPECT_EQ(h.board->game().throwState().DiceCount, dice);
    }
}

TEST(ComputerScan, NineOnTopOfSevenAndEightSwitchesToOneDieUnseen) {
    BoardHarness h;
    openForComputer(h, {7, 8});
    auto* box = h.ui().singleDie;
    bool seen = false;
    h.random.scriptDice(4, 5);
    h.random.scriptScanOrder(1);
    for (int ms = 0; ms < kComputerThrows + kThrowSettles + 9 * kComputerTries;
         ms += kRollingFrame) {
        h.wait(kRollingFrame);
        seen = seen || box->isVisible();
    }
    EXPECT_FALSE(seen) << "the box is never shown on the computer's turn";
    EXPECT_EQ(coveredNumbers(h.match), (std::set<int>{7, 8, 9}));
    EXPECT_EQ(h.board->game().throwState().DiceCount, 1);
    EXPECT_FALSE(h.ui().dice[1]->isVisible());
    EXPECT_EQ(watchThrowAndScan(h, 4, 0, 2), (Covers{{4, 4}})) << "one die showing 4";
}

TEST(ComputerTurn, ThrowsAfterASecondAndScansEveryHalfSecond) {
    BoardHarness h;
    h.match.ComputerGame = 1;
    h.match.PlayerCount = 2;
    h.match.SoundOn = 1;
    h.open<ComputerBoardWindow>();
    EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
    h.throwDice(6, 6);
    h.wait(kHandOver);
    ASSERT_EQ(h.ui().message->text(), "MAGENTA TO PLAY");
    h.click(h.ui().throwDice); // the person's throw is refused on the computer's turn
    h.wait(kComputerThrows - 1);
    EXPECT_TRUE(h.ui().dice[0]->text().isEmpty());
    EXPECT_NE(h.sound.played.last(), "cupdice.wav");
    h.random.scriptDice(2, 3);
    h.random.scriptScanOrder(2);
    h.wait(1);
    EXPECT_EQ(h.sound.played.last(), "cupdice.wav");
    h.wait(kThrowSettles);
    EXPECT_EQ(h.ui().dice[1]->text(), "3");
    h.clickNumber(5);
    EXPECT_TRUE(coveredNumbers(h.match).empty()) << "the person cannot cover for the computer";
    h.wait(2 * kComputerTries);
    EXPECT_EQ(coveredNumbers(h.match), (std::set<int>{2})) << "2 at the second try, 1000 ms in";
    h.wait(7 * kComputerTries);
    EXPECT_EQ(coveredNumbers(h.match), (std::set<int>{2, 3}));
    auto& game = static_cast<ComputerBoardWindow&>(*h.board).computerGame();
    EXPECT_TRUE(game.Timer4.enabled()) << "the ninth try sets up the next throw";
    h.random.scriptDice(1, 1);
    h.wait(kComputerThrows - 1);
    EXPECT_EQ(h.ui().dice[0]->text(), "2");
    h.wait(1);
    EXPECT_EQ(h.sound.played.last(), "cupdice.wav");
}

TEST(ComputerTurn, AThrowWithoutAMoveEndsTheTurnWhicheverTickComesFirst) {
    for (const char* first : {"Timer6", "Timer2"}) {
        SCOPED_TRACE(first);
        BoardHarness h;
        h.scheduler.setTieOrder({first});
        openForComputer(h, {});
        h.random.scriptDice(5, 5);
        h.random.scriptScanOrder(1);
        h.wait(kComputerThrows + kThrowSettles + kTurnOverShown - 1);
        EXPECT_EQ(h.ui().message->text(), "MAGENTA TO PLAY");
        h.wait(1);
        EXPECT_EQ(h.ui().message->text(), "TURN OVER");
        h.wait(kNextTurnStarts);
        EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
        h.wait(kLongWhile);
        EXPECT_TRUE(coveredNumbers(h.match).empty());
        EXPECT_EQ(h.ui().totals[1]->text(), "0");
        EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
    }
}

TEST(ComputerTurn, NewGameDuringTheScanGivesRedANewMatchAndNoComputerThrow) {
    BoardHarness h;
    openForComputer(h, {});
    h.match.Scores = {20, 30, 0, 0};
    h.random.scriptDice(3, 4);
    h.random.scriptScanOrder(2);
    h.wait(kComputerThrows + kThrowSettles + 3 * kComputerTries); // three tries made
    ASSERT_EQ(coveredNumbers(h.match), (std::set<int>{3}));
    h.click(h.ui().newGame);
    h.wait(kNewMatchStarts);
    EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
    EXPECT_EQ(h.ui().round->text(), "ROUND 1 OF 5");
    const int sounds = h.sound.played.size();
    h.wait(kLongWhile);
    EXPECT_EQ(h.sound.played.size(), sounds) << "nothing happens until Red throws";
    EXPECT_TRUE(coveredNumbers(h.match).empty());
    EXPECT_TRUE(h.ui().throwDice->isEnabled());
}

// Whichever try of the scan covers the ninth number, the computer throws once on the cleared
// board, 1000 ms after its new start, and never while that throw still rolls.
TEST(ComputerTurn, ClearingTheBoardAtAnyTryGivesExactlyOneThrowOnTheClearedBoard) {
    for (int attempt = 1; attempt <= 9; ++attempt) {
        SCOPED_TRACE(attempt);
        // From 1 up the try is the number itself; the first try from 9 down is 9.
        const int order = attempt == 1 ? 1 : 2;
        const int last = attempt == 1 ? 9 : attempt;
        std::vector<int> others;
        for (int n = 1; n <= 9; ++n)
            if (n != last)
                others.push_back(n);
        BoardHarness h;
        openForComputer(h, others);
        const int d1 = std::max(1, last - 6);
        h.random.scriptDice(d1, last - d1);
        h.random.scriptScanOrder(order);
        h.random.scriptDice(6, 6); // on the cleared board: no move, the dice pass to Red
        h.random.scriptScanOrder(1);
        h.wait(kComputerThrows + kThrowSettles + attempt * kComputerTries);
        ASSERT_EQ(coveredNumbers(h.match).size(), 9u);
        auto throws = [&] { return h.sound.played.count("cupdice.wav"); };
        const int before = throws();
        h.wait(kLongWhile);
        EXPECT_EQ(throws(), before + 1);
        EXPECT_EQ(h.ui().message->text(), "RED TO PLAY");
    }
}

TEST(ComputerBoard, ShowsOnlyRedsAndMagentasTotalsWhateverTheSavedGameSays) {
    BoardHarness h;
    h.match.ComputerGame = 1;
    h.match.PlayerCount = 4;
    h.match.Scores = {5, 6, 7, 8};
    h.openResumed<ComputerBoardWindow>();
    EXPECT_TRUE(h.ui().totals[0]->isVisible());
    EXPECT_TRUE(h.ui().totals[1]->isVisible());
    EXPECT_FALSE(h.ui().totals[2]->isVisible());
    EXPECT_FALSE(h.ui().totals[3]->isVisible());
}

} // namespace
} // namespace nf
