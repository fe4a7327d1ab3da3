#include "Strategy.h"

#include "engine/BestPlay.h"

#include <array>
#include <vector>

namespace nf::sim {
namespace {

const std::array<std::pair<Strategy, const char*>, 5> kNames{{
    {Strategy::Scan, "scan"},
    {Strategy::SumFirst, "sum-first"},
    {Strategy::FacesFirst, "faces-first"},
    {Strategy::Random, "random"},
    {Strategy::Optimal, "optimal"},
}};

// Once the throw is used up the later tries are refused, or accepted without covering
// anything, which changes nothing: they are not made.
void scan(HeadlessGame& table, RandomSource& choices) {
    const bool downwards = choices.next() < 0.5;
    const Game& game = table.game();
    for (int i = 0; i < 9 && !game.canThrow() && !game.handOverPending(); ++i)
        table.cover(downwards ? 9 - i : 1 + i);
}

// The legal choices of the settled throw, the sum first.
std::vector<Choice> choicesOf(const HeadlessGame& table) {
    const ThrowState& t = table.game().throwState();
    return legalChoices(boardOf(table.game().match()), t.Dice[0], t.DiceCount == 1 ? 0 : t.Dice[1]);
}

void take(HeadlessGame& table, Board covers) {
    for (int n = 1; n <= 9; ++n)
        if (covers & numberBit(n))
            table.cover(n);
}

// The chosen one of the throw's legal choices: the sum, the two faces, or either at random.
void takeChoice(HeadlessGame& table, Strategy strategy, RandomSource& choices) {
    const std::vector<Choice> legal = choicesOf(table);
    if (legal.empty())
        return;
    const bool faces = strategy == Strategy::FacesFirst ||
                       (strategy == Strategy::Random && legal.size() == 2 && choices.next() >= 0.5);
    take(table, faces ? legal.back().covers : legal.front().covers);
}

} // namespace

std::optional<Strategy> parseStrategy(const std::string& name) {
    for (const auto& [strategy, word] : kNames)
        if (name == word)
            return strategy;
    return std::nullopt;
}

std::string strategyName(Strategy strategy) {
    for (const auto& [s, word] : kNames)
        if (s == strategy)
            return word;
    return "?";
}

void playThrow(HeadlessGame& table, Strategy strategy, RandomSource& choices) {
    if (strategy == Strategy::Scan)
        scan(table, choices);
    else if (strategy == Strategy::Optimal)
        take(table, bestCovers(table.match(), table.game().throwState()));
    else
        takeChoice(table, strategy, choices);
    const ThrowState& t = table.game().throwState();
    if (!t.boxShown)
        return;
    if (strategy == Strategy::Optimal) {
        if (t.boxTicked != BestPlay::solved().oneDieBetter(boardOf(table.match())))
            table.tickBox();
    } else if (!t.boxTicked && (strategy != Strategy::Random || choices.next() < 0.5)) {
        table.tickBox();
    }
}

} // namespace nf::sim
