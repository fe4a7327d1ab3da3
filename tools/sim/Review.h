#pragma once

#include "engine/BestPlay.h"
#include "engine/HeadlessGame.h"

#include <array>
#include <optional>
#include <ostream>

namespace nf::sim {

// Scores a replayed match's choices against best play: after each accepted throw (how many
// dice, when one die was offered) and after each throw used up (which numbers), one line
// with the expected points lost; then the total per player.
class Review {
public:
    explicit Review(std::ostream& out) : out_(out) {}

    // What the board was before an accepted "throw".
    struct BeforeThrow {
        Board board = 0;
        bool diceOffered = false; // the single-die box was shown
        int diceCount = 2;
        int seat = 0;
    };
    static BeforeThrow beforeThrow(HeadlessGame& table);

    void thrown(HeadlessGame& table, const BeforeThrow& before, int line);
    void covered(HeadlessGame& table, int line);
    void forget() { move_.reset(); }
    void printTotals() const;

private:
    struct OpenMove {
        Board board;
        int d1, d2, seat;
    };
    void say(int line, int seat, const std::string& what, double lost, const std::string& best);

    std::ostream& out_;
    std::optional<OpenMove> move_;
    std::array<double, 4> lost_{};
    std::array<bool, 4> chose_{};
};

} // namespace nf::sim
