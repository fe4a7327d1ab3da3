#include "engine/BestPlay.h"
#include "sim/CommandLine.h"
#include "sim/MatchRunner.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>

namespace nf::sim {
namespace {

struct Ran {
    int status;
    std::string out, err;
};

Ran ran(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCommandLine(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::string replayed(const std::string& script) {
    return ran({"replay", "-"}, script).out;
}

std::string field(const std::string& stateLine, const std::string& name) {
    const auto at = stateLine.find(name + "=");
    if (at == std::string::npos)
        return {};
    const auto start = at + name.size() + 1;
    if (stateLine[start] == '"')
        return stateLine.substr(start + 1, stateLine.find('"', start + 1) - start - 1);
    return stateLine.substr(start, stateLine.find(' ', start) - start);
}

// The script's commands are the board's clicks; the rules themselves are the engine's tests'.
TEST(Replay, ScriptsClickAsAPlayerWould) {
    const std::string line = replayed("players 3\n# a comment, then a blank line\n\ncover 5\n"
                                      "throw 3 4\ncover 3\ncover 7\ncover 4\nstate");
    EXPECT_EQ(field(line, "covered"), "001100000") << "the refused clicks changed nothing";
    EXPECT_EQ(field(line, "scores"), "7,0,0,0");
    const std::string single = replayed("players 2\nthrow 3 4\ncover 7\nthrow 4 4\ncover 8\n"
                                        "throw 4 5\ncover 9\nsingle\nthrow 2\ncover 2\nthrow 2\n"
                                        "wait 500\nstate");
    EXPECT_EQ(field(single, "dice"), "2,0") << "one die thrown on a covered number";
    EXPECT_EQ(field(single, "message"), "TURN OVER") << "after the wait";
}

TEST(Play, TheSameSeedPlaysTheSameMatches) {
    const std::vector<Strategy> seats{Strategy::Scan, Strategy::SumFirst, Strategy::FacesFirst,
                                      Strategy::Random};
    std::ostringstream first, second, other;
    printFigures(first, playMatches(4, 40, 11, seats), 11, seats);
    printFigures(second, playMatches(4, 40, 11, seats), 11, seats);
    printFigures(other, playMatches(4, 40, 12, seats), 12, seats);
    EXPECT_EQ(first.str(), second.str());
    EXPECT_NE(first.str(), other.str());
    const PlayFigures figures = playMatches(2, 200, 5, {Strategy::Scan, Strategy::Scan});
    long decided = 0;
    for (const SeatFigures& s : figures.seats)
        decided += s.wins;
    EXPECT_GE(decided, 180) << "most matches have a winner";
    EXPECT_NEAR(figures.seats[0].throws / 200.0, 20, 5);
}

// The analysis checked by playing: the optimal strategy's points per turn over many matches
// agree with the exact value within their confidence interval, and the expert computer beats
// the designed one (playing the designed scan in Red's seat) in most matches.
TEST(BestPlay, PlayedItScoresWhatTheAnalysisSaysAndTheExpertComputerWinsMost) {
    const long matches = 8000;
    const PlayFigures optimal = playMatches(2, matches, 3, {Strategy::Optimal, Strategy::Optimal});
    double sum = 0, squares = 0;
    long turns = 0;
    for (const SeatFigures& s : optimal.seats) {
        sum += s.totalSum;
        squares += s.totalSquares;
        turns += s.turns;
    }
    EXPECT_EQ(turns, 2 * 5 * matches);
    const double totals = 2.0 * matches, mean = sum / totals;
    const double standardError = std::sqrt((squares / totals - mean * mean) / totals) / 5;
    EXPECT_NEAR(mean / 5, BestPlay::solved().turn(0), 4 * standardError);

    const PlayFigures expert = playMatches(1, 1000, 4, {Strategy::Scan}, ComputerPlay::Expert);
    EXPECT_GT(expert.seats[1].wins, 540) << "of 1000 (the designed computer wins about 500)";
    std::ostringstream printed;
    printFigures(printed, expert, 4, {Strategy::Scan});
    std::istringstream figures(printed.str());
    std::string title, header, red, magenta;
    std::getline(figures, title);
    std::getline(figures, header);
    std::getline(figures, red);
    std::getline(figures, magenta);
    EXPECT_EQ(magenta.rfind("Magenta  computer:expert ", 0), 0u);
    EXPECT_EQ(magenta.size(), header.size()) << "the columns line up\n"
                                             << header << '\n'
                                             << magenta;
}

// The whole line is checked before anything runs (or anything is allocated): a refused word is
// named on standard error, with the usage where the words are at fault; --help answers on
// standard output once nothing is wrong. A script's mistake stops it at its line, before the
// `state` after it.
TEST(CommandLine, RefusesWhatItCannotTakeAndAnswersHelp) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
        bool usage;
        const char* script = ""; // on standard input
    };
    const Case cases[] = {
        {{"play", "--players", "-1", "--strategy", "scan"}, 2, "not '-1'", true},
        {{"play", "--players", "2147483647", "--strategy", "scan"}, 2, "from 1 to 4", true},
        {{"play", "--players", "2x", "--strategy", "scan"}, 2, "not '2x'", true},
        {{"play", "--players", "4294967298", "--strategy", "scan"}, 2, "not '4294967298'", true},
        {{"play", "--matches", "1e3", "--strategy", "scan"}, 2, "not '1e3'", true},
        {{"play", "--seed", "abc", "--strategy", "scan"}, 2, "not 'abc'", true},
        {{"play", "--seed", "-1", "--strategy", "scan"}, 2, "not '-1'", true},
        {{"play", "--players", "1", "--computer", "bogus", "--strategy", "scan"},
         2,
         "classic or expert",
         true},
        {{"play", "--strategy", "scan", "--bogus"}, 2, "'--bogus' is not an option", true},
        {{"play", "--strategy", "scan", "scan", "scan"}, 2, "one for each", true},
        {{}, 2, "say what to do", true},
        {{"replay", "review"}, 2, "needs a script", true},
        {{"replay", ::testing::TempDir()}, 2, "a directory", false},
        {{"replay", "/dev/zero"}, 1, "line 1: longer than 4096 characters", false},
        {{"replay", "/proc/self/mem"}, 1, "line 1: cannot be read", false}, // EIO at its start
        {{"replay", "-"},
         1,
         "line 3: a number must be",
         false,
         "players 2\nthrow 3 4\ncover 12\nstate"},
        {{"replay", "-"}, 1, "line 2: a die must be", false, "players 2\nthrow 7 1\nstate"},
        {{"replay", "-"}, 1, "line 3: unknown command", false, "players 2\n\nfly\nstate"},
        {{"replay", "-"}, 1, "line 1: the number of players", false, "players 5\nstate"},
        {{"replay", "-"}, 1, "line 1: no match yet", false, "cover 3\nstate"},
        {{"analyse", "--covered", "111111111"}, 2, "never played", true},
        {{"analyse", "--covered", "12"}, 2, "nine digits", true},
        {{"analyse", "--dice", "3"}, 2, "7, 8 and 9 are covered", true},
        {{"--help", "play", "--players", "9"}, 2, "not '9'", true},
        {{"--help"}, 0, "usage:", true},
        {{"play", "-h"}, 0, "usage:", true},
        {{"replay", "review", "--help"}, 0, "usage:", true},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& word : c.args)
            line += word + ' ';
        SCOPED_TRACE(line + c.script);
        const Ran r = ran(c.args, c.script);
        EXPECT_EQ(r.status, c.status);
        const std::string& said = c.status == 0 ? r.out : r.err;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(said.find("usage:") != std::string::npos, c.usage) << said;
        EXPECT_EQ(c.status == 0 ? r.err : r.out, "");
    }
}

TEST(Analyse, ValuesABoardAndRanksTheChoicesOfItsDice) {
    EXPECT_EQ(ran({"analyse"}).out, "a turn from an open board: 20.503887 expected points\n");
    EXPECT_EQ(ran({"analyse", "--covered", "000000111", "--dice", "3", "4"}).out,
              "board 000000111: 11.056307 expected points\n"
              "  throw one die   11.030890\n"
              "  throw two dice  11.056307\n"
              "dice 3 4:\n"
              "  cover 3 and 4   12.013290\n");
    const std::string open = ran({"analyse", "--dice", "3", "4"}).out;
    EXPECT_EQ(open, ran({"analyse", "--covered", "000000000", "--dice", "3", "4"}).out)
        << "dice without a board are thrown on the open one";
    EXPECT_LT(open.find("cover 7"), open.find("cover 3 and 4")) << "best first";
    const std::string table = ran({"analyse", "--table"}).out;
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 513);
}

TEST(Replay, AReviewScoresEveryChoiceAgainstTheBest) {
    const std::string review =
        ran({"replay", "review", "-"}, "players 2\nthrow 3 4\ncover 3\ncover 4\nthrow 6 6\n"
                                       "wait 4000\nthrow 3 4\ncover 7\n")
            .out;
    EXPECT_EQ(review, "line 4: Red dice 3 4, cover 3 and 4: lost 4.157933 (best: cover 7)\n"
                      "line 8: Magenta dice 3 4, cover 7: best\n"
                      "expected points lost: Red 4.157933 Magenta 0.000000\n");
}

// The clicks that replay a logged match: the box ticked for one die, the throw, its covers.
std::string scriptOf(const MatchLog& log) {
    std::string script = "players 2\n";
    for (const LoggedThrow& t : log.throws) {
        if (t.offered && t.d2 == 0)
            script += "single\n";
        script += "throw " + std::to_string(t.d1) +
                  (t.d2 ? " " + std::to_string(t.d2) : std::string()) + "\n";
        for (int n = 1; n <= 9; ++n)
            if (t.covers & numberBit(n))
                script += "cover " + std::to_string(n) + "\n";
        script += "wait 5000\n";
    }
    return script + "state\n";
}

// A match logged as it is played and summarised for the record is the match the simulator
// replays from the log: the same totals, and the same points lost as its review says.
TEST(Record, AMatchLoggedIsReplayedAndReviewedAlike) {
    std::vector<std::pair<MatchSummary, MatchLog>> played;
    playMatches(2, 3, 7, {Strategy::Random, Strategy::SumFirst}, ComputerPlay::Classic,
                [&](const MatchSummary& s, const MatchLog& l) { played.emplace_back(s, l); });
    ASSERT_EQ(played.size(), 3u);
    for (const auto& [summary, log] : played) {
        ASSERT_EQ(MatchLog::decode(log.encode())->throws, log.throws);
        const std::string review = ran({"replay", "review", "-"}, scriptOf(log)).out;
        const std::size_t at = review.rfind("round=");
        const std::string state = review.substr(at, review.find('\n', at) - at);
        EXPECT_EQ(field(state, "scores"), std::to_string(summary.seats[0].total) + "," +
                                              std::to_string(summary.seats[1].total) + ",0,0");
        EXPECT_EQ(field(state, "gameover"), "1");
        std::ostringstream lost;
        lost << std::fixed << std::setprecision(6) << "expected points lost: Red "
             << summary.seats[0].lost << " Magenta " << summary.seats[1].lost << '\n';
        EXPECT_EQ(review.substr(review.rfind("expected")), lost.str());
        EXPECT_EQ(summary.seats[0].turns, kRounds);
    }
    long clears = 0;
    const PlayFigures figures =
        playMatches(2, 300, 1, {Strategy::Scan, Strategy::Scan}, ComputerPlay::Classic,
                    [&](const MatchSummary& s, const MatchLog&) {
                        clears += s.seats[0].clears + s.seats[1].clears;
                    });
    EXPECT_EQ(clears, figures.seats[0].clears + figures.seats[1].clears);
    EXPECT_GT(clears, 0);
}

} // namespace
} // namespace nf::sim
