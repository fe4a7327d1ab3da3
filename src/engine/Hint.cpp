#include "Hint.h"

#include "Game.h"

namespace nf {

std::optional<Hint> hintFor(const Game& game) {
    const ThrowState& t = game.throwState();
    const MatchState& match = game.match();
    if (!game.personMayAct() || game.handOverPending() || game.rolling() ||
        game.endState().GameOver != 0)
        return std::nullopt;
    if (t.throwEnabled) {
        if (!t.boxShown)
            return std::nullopt;
        const bool one = BestPlay::solved().oneDieBetter(boardOf(match));
        if (one == t.boxTicked)
            return Hint{one ? Hint::Kind::ThrowOneDie : Hint::Kind::ThrowTwoDice, 0};
        return Hint{one ? Hint::Kind::TickBox : Hint::Kind::UntickBox, 0};
    }
    if (t.SettledDice < t.DiceCount || t.TurnOver != 0)
        return std::nullopt;
    if (t.CoveredThisThrow == 1) {
        // One face is covered; the other finishes the throw.
        for (int die = 0; die < 2; ++die) {
            const int face = t.Dice[static_cast<std::size_t>(die)];
            if (face >= 1 && face <= 9 && match.isOpen(face))
                return Hint{Hint::Kind::Cover, numberBit(face)};
        }
        return std::nullopt;
    }
    const Board best = bestCovers(match, t);
    if (best == 0)
        return std::nullopt;
    return Hint{Hint::Kind::Cover, best};
}

std::string hintWords(const Hint& hint) {
    switch (hint.kind) {
    case Hint::Kind::TickBox:
        return "tick Throw Just One Die";
    case Hint::Kind::UntickBox:
        return "untick Throw Just One Die";
    case Hint::Kind::ThrowOneDie:
        return "throw one die";
    case Hint::Kind::ThrowTwoDice:
        return "throw two dice";
    case Hint::Kind::Cover:
        break;
    }
    std::string words = "cover";
    bool first = true;
    for (int n = 1; n <= 9; ++n)
        if (hint.numbers & numberBit(n)) {
            words += first ? " " : " and ";
            words += std::to_string(n);
            first = false;
        }
    return words;
}

} // namespace nf
