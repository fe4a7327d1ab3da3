#include "Review.h"

#include "engine/ChoiceReview.h"
#include "engine/Hint.h"
#include "engine/Index.h"
#include "engine/Players.h"

#include <iomanip>

namespace nf::sim {
namespace {
const char* const kColours[] = {"Red", "Magenta", "Yellow", "Green"};
} // namespace

Review::BeforeThrow Review::beforeThrow(HeadlessGame& table) {
    const ThrowState& t = table.game().throwState();
    return {boardOf(table.match()), t.boxShown, t.DiceCount, playerOf(table.match().CurrentPlayer)};
}

void Review::thrown(HeadlessGame& table, const BeforeThrow& before, int line) {
    if (before.diceOffered) {
        const ReviewedChoice r = reviewDice(before.board, before.diceCount);
        say(line, before.seat, r.chosen == 1 ? "throws one die" : "throws two dice", r.lost,
            r.best == 1 ? "one die" : "two dice");
    }
    const ThrowState& t = table.game().throwState();
    move_.reset();
    if (!t.TurnOver)
        move_ = OpenMove{before.board, t.Dice[0], t.DiceCount == 1 ? 0 : t.Dice[1], before.seat};
}

void Review::covered(HeadlessGame& table, int line) {
    const Game& game = table.game();
    if (!move_ || !(game.throwState().throwEnabled || game.handOverPending()))
        return;
    const OpenMove m = *move_;
    move_.reset();
    const Board covers = game.throwState().SumTaken
                             ? numberBit(m.d1 + m.d2)
                             : static_cast<Board>(numberBit(m.d1) | numberBit(m.d2));
    const std::optional<ReviewedChoice> r = reviewCover(m.board, m.d1, m.d2, covers);
    if (!r)
        return;
    std::string dice = "dice " + std::to_string(m.d1);
    if (m.d2 != 0)
        dice += ' ' + std::to_string(m.d2);
    say(line, m.seat, dice + ", " + hintWords({Hint::Kind::Cover, covers}), r->lost,
        hintWords({Hint::Kind::Cover, r->best}));
}

void Review::say(int line, int seat, const std::string& what, double lost,
                 const std::string& best) {
    const std::size_t s = idx(seat);
    chose_[s] = true;
    out_ << "line " << line << ": " << kColours[s] << ' ' << what;
    if (lost < 1e-9) {
        out_ << ": best\n";
        return;
    }
    lost_[s] += lost;
    out_ << ": lost " << std::fixed << std::setprecision(6) << lost << " (best: " << best << ")\n";
}

void Review::printTotals() const {
    out_ << "expected points lost:";
    for (std::size_t s = 0; s < lost_.size(); ++s)
        if (chose_[s])
            out_ << ' ' << kColours[s] << ' ' << std::fixed << std::setprecision(6) << lost_[s];
    out_ << '\n';
}

} // namespace nf::sim
