#include "MatchRunner.h"

#include "engine/Pauses.h"

#include <cmath>
#include <iomanip>

namespace nf::sim {
namespace {

// Plays one match to its result on a board opened afresh; the figures of each seat are added
// up.
void playMatch(HeadlessGame& table, int players, std::uint64_t seed,
               const std::vector<Strategy>& strategies, std::vector<SeatFigures>& seats) {
    table.openAgain(seed);
    SeededRandom choices(seed ^ 0x5eedULL);
    const Game& game = table.game();
    for (int guard = 0; game.endState().GameOver == 0 && guard < 100000; ++guard) {
        if (!game.canThrow()) {
            table.wait(100);
            continue;
        }
        const auto seat = static_cast<std::size_t>(playerOf(table.match().CurrentPlayer));
        table.throwRandom();
        ++seats[seat].throws;
        if (game.throwState().TurnOver == 1) {
            table.wait(pauses::kHandOver);
            continue;
        }
        playThrow(table, strategies[seat], choices);
        if (game.handOverPending()) {
            ++seats[seat].clears;
            table.wait(pauses::kNextTurnStarts);
        }
    }
    const EndState& end = game.endState();
    for (std::size_t p = 0; p < static_cast<std::size_t>(players); ++p) {
        const double total = table.match().Scores[p];
        seats[p].totalSum += total;
        seats[p].totalSquares += total * total;
        const bool best =
            end.FinalScores[p] == end.FinalScores[static_cast<std::size_t>(end.Winner)];
        if (end.Draw == 1 && best)
            ++seats[p].draws;
        else if (end.Draw == 0 && static_cast<std::size_t>(end.Winner) == p)
            ++seats[p].wins;
    }
}

} // namespace

PlayFigures playMatches(int players, long matches, std::uint64_t seed,
                        const std::vector<Strategy>& strategies) {
    PlayFigures figures;
    figures.players = players;
    figures.matches = matches;
    figures.seats.resize(static_cast<std::size_t>(players));
    HeadlessGame table(players);
    table.game().setRollingShown(false);
    for (long m = 0; m < matches; ++m)
        playMatch(table, players, seed * 1000003ULL + static_cast<std::uint64_t>(m), strategies,
                  figures.seats);
    return figures;
}

void printFigures(std::ostream& out, const PlayFigures& f, std::uint64_t seed,
                  const std::vector<Strategy>& strategies) {
    static const char* colours[] = {"Red", "Magenta", "Yellow", "Green"};
    out << "ninefold-sim play: " << f.players << " players, " << f.matches << " matches, seed "
        << seed << '\n';
    out << "seat     strategy        wins   draws   mean total   sd total   clears/match   "
           "throws/match\n";
    const double n = static_cast<double>(std::max(1L, f.matches));
    out << std::fixed << std::setprecision(2);
    for (std::size_t p = 0; p < f.seats.size(); ++p) {
        const SeatFigures& s = f.seats[p];
        const double mean = s.totalSum / n;
        const double sd = std::sqrt(std::max(0.0, s.totalSquares / n - mean * mean));
        out << std::left << std::setw(9) << colours[p] << std::setw(14)
            << strategyName(strategies[p]) << std::right << std::setw(6) << s.wins << std::setw(8)
            << s.draws << std::setw(13) << mean << std::setw(11) << sd << std::setw(15)
            << static_cast<double>(s.clears) / n << std::setw(15)
            << static_cast<double>(s.throws) / n << '\n';
    }
}

} // namespace nf::sim
