#include "Hint.h"

#include "Game.h"

namespace nf {

std::optional<Hint> hintFor(const Game& game) {
    const ThrowState& t = game.throwState();
    const MatchState& match = game.match();
    if (!game.personMayAct() || game.handOverPending() || game.rolling() ||
        game.endState().GameOver)
        return std::nullopt;
    if (t.throwEnabled) {
        if (!t.boxShown)
            return std::nullopt;
        const bool one = BestPlay::solved().oneDieBetter(boardOf(match));
        if (one == t.boxTicked)
            return Hint{one ? Hint::Kind::ThrowOneDie : Hint::Kind::ThrowTwoDice, 0};
        return Hint{one ? Hint::Kind::TickBox : Hint::Kind::UntickBox, 0};
    }
    if (t.SettledDice < t.DiceCount || t.TurnOver)
        return std::nullopt;
    // Once a throw is half used its choice is made: the rest of it.
    const Board best = t.CoveredThisThrow > 0 ? t.choicesLeft.numbers() : bestCovers(match, t);
    if (best == 0)
        return std::nullopt;
    return Hint{Hint::Kind::Cover, best};
}

HintPhrase hintPhrase(const Hint& hint) {
    using namespace hintText;
    switch (hint.kind) {
    case Hint::Kind::TickBox:
        return {kTickBox, {}};
    case Hint::Kind::UntickBox:
        return {kUntickBox, {}};
    case Hint::Kind::ThrowOneDie:
        return {kThrowOneDie, {}};
    case Hint::Kind::ThrowTwoDice:
        return {kThrowTwoDice, {}};
    case Hint::Kind::Cover:
        break;
    }
    std::vector<int> numbers;
    for (int n = 1; n <= 9; ++n)
        if (hint.numbers & numberBit(n))
            numbers.push_back(n);
    return {numbers.size() == 2 ? kCoverTwo : kCoverOne, numbers};
}

std::string hintWords(const Hint& hint) {
    const HintPhrase phrase = hintPhrase(hint);
    std::string words(phrase.text.english);
    for (std::size_t i = 0; i < phrase.numbers.size(); ++i) {
        const std::string marker = "%" + std::to_string(i + 1);
        const std::size_t at = words.find(marker);
        if (at != std::string::npos)
            words.replace(at, marker.size(), std::to_string(phrase.numbers[i]));
    }
    return words;
}

} // namespace nf
