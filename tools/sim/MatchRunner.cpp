#include "MatchRunner.h"

#include "Table.h"
#include "engine/BestPlay.h"
#include "engine/Index.h"
#include "engine/Pauses.h"

#include <cmath>
#include <iomanip>

namespace nf::sim {
namespace {

// The computer's turns play themselves on the board's timers: its throws and clears are seen
// as they start (each lasts longer than a step).
struct ComputerWatch {
    bool rolling = false, starting = false;
    void step(const Game& game, SeatFigures& seat, bool samePlayer) {
        if (game.rolling() && !rolling)
            ++seat.throws;
        if (game.Timer1.enabled() && !starting && samePlayer)
            ++seat.clears;
        rolling = game.rolling();
        starting = game.Timer1.enabled();
    }
};

// Plays one match to its result on a board opened afresh; the figures of each seat are added
// up. A turn is counted when the dice pass on.
void playMatch(HeadlessGame& table, std::uint64_t seed, const std::vector<Strategy>& strategies,
               std::vector<SeatFigures>& seats) {
    table.openAgain(seed);
    SeededRandom choices(seed ^ 0x5eedULL);
    const Game& game = table.game();
    const auto seatNow = [&] { return idx(playerOf(table.match().CurrentPlayer)); };
    std::size_t turnOf = seatNow();
    ComputerWatch computer;
    for (int guard = 0; !game.endState().GameOver && guard < 100000; ++guard) {
        const std::size_t seat = seatNow();
        if (seat != turnOf) {
            ++seats[turnOf].turns;
            turnOf = seat;
        }
        if (!game.personMayAct()) {
            computer.step(game, seats[seat], true);
            table.wait(pauses::kComputerTries);
            continue;
        }
        if (!game.canThrow()) {
            table.wait(100);
            continue;
        }
        table.throwRandom();
        ++seats[seat].throws;
        if (game.throwState().TurnOver) {
            table.wait(pauses::kHandOver);
            continue;
        }
        playThrow(table, strategies[seat], choices);
        if (game.handOverPending()) {
            ++seats[seat].clears;
            table.wait(pauses::kNextTurnStarts);
        }
    }
    if (seatNow() != turnOf) // the last turn passed the dice on as the match ended
        ++seats[turnOf].turns;
    const EndState& end = game.endState();
    for (std::size_t p = 0; p < seats.size(); ++p) {
        const double total = table.match().Scores[p];
        seats[p].totalSum += total;
        seats[p].totalSquares += total * total;
        const bool best = end.FinalScores[p] == end.FinalScores[idx(end.Winner)];
        if (end.Draw && best)
            ++seats[p].draws;
        else if (!end.Draw && idx(end.Winner) == p)
            ++seats[p].wins;
    }
}

double pointsPerTurn(const SeatFigures& s) {
    return s.totalSum / static_cast<double>(std::max(1L, s.turns));
}

} // namespace

PlayFigures playMatches(int players, long matches, std::uint64_t seed,
                        const std::vector<Strategy>& strategies, ComputerPlay computer,
                        const MatchEnded& ended) {
    PlayFigures figures;
    figures.players = players;
    figures.computer = computer;
    figures.matches = matches;
    figures.seats.resize(static_cast<std::size_t>(std::max(players, 2)));
    const auto table = newTable(players, computer);
    const BoardKind kind = players > 1                        ? BoardKind::People
                           : computer == ComputerPlay::Expert ? BoardKind::ExpertComputer
                                                              : BoardKind::ClassicComputer;
    MatchLogger logger([&](const MatchLog& log, const Game& game) {
        const EndState& end = game.endState();
        std::array<int, 4> totals{};
        for (std::size_t p = 0; p < totals.size(); ++p)
            totals[p] = end.FinalScores[p];
        ended(summarize(log, kind, game.match().PlayerCount, totals, end.Winner, end.Draw), log);
    });
    if (ended)
        table->game().setObserver(&logger);
    for (long m = 0; m < matches; ++m) {
        logger.newMatch();
        playMatch(*table, seed * 1000003ULL + static_cast<std::uint64_t>(m), strategies,
                  figures.seats);
    }
    table->game().setObserver(nullptr);
    return figures;
}

void printFigures(std::ostream& out, const PlayFigures& f, std::uint64_t seed,
                  const std::vector<Strategy>& strategies) {
    static const char* colours[] = {"Red", "Magenta", "Yellow", "Green"};
    const bool expert = f.computer == ComputerPlay::Expert;
    if (f.players == 1)
        out << "ninefold-sim play: 1 player against the " << (expert ? "expert" : "classic")
            << " computer, ";
    else
        out << "ninefold-sim play: " << f.players << " players, ";
    out << f.matches << " matches, seed " << seed << '\n';
    out << "seat     strategy           wins   draws   mean total   sd total   clears/match   "
           "throws/match   points/turn   vs best\n";
    const double best = BestPlay::solved().turn(0);
    const double n = static_cast<double>(std::max(1L, f.matches));
    out << std::fixed << std::setprecision(2);
    for (std::size_t p = 0; p < f.seats.size(); ++p) {
        const SeatFigures& s = f.seats[p];
        const double mean = s.totalSum / n;
        const double sd = std::sqrt(std::max(0.0, s.totalSquares / n - mean * mean));
        const std::string strategy = p < strategies.size() ? strategyName(strategies[p])
                                     : expert              ? "computer:expert"
                                                           : "computer";
        out << std::left << std::setw(9) << colours[p] << std::setw(17) << strategy << std::right
            << std::setw(6) << s.wins << std::setw(8) << s.draws << std::setw(13) << mean
            << std::setw(11) << sd << std::setw(15) << static_cast<double>(s.clears) / n
            << std::setw(15) << static_cast<double>(s.throws) / n << std::setw(14)
            << pointsPerTurn(s) << std::setw(10) << pointsPerTurn(s) - best << '\n';
    }
}

void printComparison(std::ostream& out, long matches, std::uint64_t seed) {
    const double best = BestPlay::solved().turn(0);
    out << "ninefold-sim compare: each strategy against optimal, " << matches
        << " two-player matches, seed " << seed << "; best play scores " << std::fixed
        << std::setprecision(4) << best << " points per turn\n";
    out << "strategy       points/turn   vs best   wins vs optimal   draws\n";
    out << std::setprecision(2);
    for (Strategy s : {Strategy::Optimal, Strategy::SumFirst, Strategy::Scan, Strategy::FacesFirst,
                       Strategy::Random}) {
        const long first = matches / 2;
        const PlayFigures asRed = playMatches(2, first, seed, {s, Strategy::Optimal});
        const PlayFigures asMagenta =
            playMatches(2, matches - first, seed + 1, {Strategy::Optimal, s});
        SeatFigures mine = asRed.seats[0];
        const SeatFigures& other = asMagenta.seats[1];
        mine.wins += other.wins;
        mine.draws += other.draws;
        mine.turns += other.turns;
        mine.totalSum += other.totalSum;
        const double n = static_cast<double>(std::max(1L, matches));
        out << std::left << std::setw(14) << strategyName(s) << std::right << std::setw(12)
            << pointsPerTurn(mine) << std::setw(10) << pointsPerTurn(mine) - best << std::setw(17)
            << 100.0 * static_cast<double>(mine.wins) / n << '%' << std::setw(7)
            << 100.0 * static_cast<double>(mine.draws) / n << "%\n";
    }
}

} // namespace nf::sim
