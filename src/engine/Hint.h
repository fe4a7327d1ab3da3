#pragma once

#include "BestPlay.h"
#include "Text.h"

#include <optional>
#include <string>
#include <vector>

namespace nf {

class Game;

// The best move the person at the board can make now: the numbers to cover on the settled
// throw, or, ready to throw with the single die offered, the click that leads to the better
// number of dice from the box's present state: the box, to tick or untick it, or the throw.
struct Hint {
    enum class Kind { Cover, TickBox, UntickBox, ThrowOneDie, ThrowTwoDice };
    Kind kind = Kind::Cover;
    Board numbers = 0; // for Cover

    friend bool operator==(const Hint& a, const Hint& b) {
        return a.kind == b.kind && a.numbers == b.numbers;
    }
};

// None on the computer's turn, while the dice roll, during a hand-over, once the match has
// ended, and when there is no choice to make.
std::optional<Hint> hintFor(const Game& game);

// The hint's words in English, the source texts the translations know them by; %1 and %2 are
// the numbers to cover.
namespace hintText {
constexpr Text kCoverOne = NF_TEXT("Hint", "cover %1");
constexpr Text kCoverTwo = NF_TEXT("Hint", "cover %1 and %2");
constexpr Text kThrowOneDie = NF_TEXT("Hint", "throw one die");
constexpr Text kThrowTwoDice = NF_TEXT("Hint", "throw two dice");
constexpr Text kTickBox = NF_TEXT("Hint", "tick Throw Just One Die");
constexpr Text kUntickBox = NF_TEXT("Hint", "untick Throw Just One Die");
} // namespace hintText

// The words of a hint: the source text and the numbers that fill in its %1 and %2.
struct HintPhrase {
    Text text;
    std::vector<int> numbers;
};
HintPhrase hintPhrase(const Hint& hint);

// As a screen reader says it in English: "cover 7", "cover 3 and 4", "tick Throw Just One
// Die", "throw two dice".
std::string hintWords(const Hint& hint);

} // namespace nf
