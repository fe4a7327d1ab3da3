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

bool coverSum(HeadlessGame& table) {
    const ThrowState& t = table.game().throwState();
    return table.cover(t.Dice[0] + (t.DiceCount == 1 ? 0 : t.Dice[1]));
}

bool coverFaces(HeadlessGame& table) {
    const ThrowState& t = table.game().throwState();
    if (t.DiceCount == 1 || t.SumOnly == 1)
        return false;
    const int first = t.Dice[0], second = t.Dice[1];
    return table.cover(first) && table.cover(second);
}

void randomMove(HeadlessGame& table, RandomSource& choices) {
    const ThrowState& t = table.game().throwState();
    const int sum = t.Dice[0] + (t.DiceCount == 1 ? 0 : t.Dice[1]);
    const bool sumOpen = sum <= 9 && table.match().isOpen(sum);
    const bool facesOpen = t.DiceCount == 2 && t.SumOnly == 0;
    if (sumOpen && (!facesOpen || choices.next() < 0.5))
        coverSum(table);
    else
        coverFaces(table);
}

void bestMove(HeadlessGame& table) {
    const Board best = bestCovers(table.match(), table.game().throwState());
    for (int n = 1; n <= 9; ++n)
        if (best & numberBit(n))
            table.cover(n);
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
    switch (strategy) {
    case Strategy::Scan:
        scan(table, choices);
        break;
    case Strategy::SumFirst:
        if (!coverSum(table))
            coverFaces(table);
        break;
    case Strategy::FacesFirst:
        if (!coverFaces(table))
            coverSum(table);
        break;
    case Strategy::Random:
        randomMove(table, choices);
        break;
    case Strategy::Optimal:
        bestMove(table);
        break;
    }
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
