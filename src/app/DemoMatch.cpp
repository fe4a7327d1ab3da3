#include "DemoMatch.h"

#include "engine/HeadlessGame.h"

namespace nf {
namespace {

const char* playerName(int player) {
    static const char* const names[] = {"Red", "Magenta", "Yellow", "Green"};
    return names[playerOf(player)];
}

void tellThrow(std::ostream& out, HeadlessGame& table) {
    const ThrowState& t = table.game().throwState();
    out << "Round " << table.match().RoundNumber << "  " << playerName(table.match().CurrentPlayer)
        << " throws " << t.Dice[0];
    if (t.DiceCount == 2)
        out << " and " << t.Dice[1];
}

void coverHighest(std::ostream& out, HeadlessGame& table) {
    out << ", covers";
    for (int n = 9; n >= 1; --n)
        if (table.cover(n))
            out << ' ' << n;
    if (table.game().throwState().boxShown && !table.game().throwState().boxTicked)
        table.tickBox();
}

} // namespace

int playDemoMatch(std::ostream& out, std::uint64_t seed) {
    HeadlessGame table(2, seed);
    const Game& game = table.game();
    while (game.endState().GameOver == 0) {
        if (!table.throwRandom()) {
            table.wait(100);
            continue;
        }
        tellThrow(out, table);
        if (game.throwState().TurnOver == 1)
            out << ": no move, turn over";
        else
            coverHighest(out, table);
        out << "  (" << table.match().Scores[0] << " : " << table.match().Scores[1] << ")\n";
    }
    out << table.shown().message << '\n';
    return game.endState().Draw == 1 ? -1 : game.endState().Winner;
}

} // namespace nf
