#pragma once

#include "ChoiceReview.h"
#include "Game.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nf {

// The kinds of board a match is played on.
enum class BoardKind { People = 0, ClassicComputer = 1, ExpertComputer = 2 };
constexpr int kBoardKinds = 3;
// The seat the computer plays on its board.
constexpr int kComputerSeat = 1;

// One throw of a match and how it was used.
struct LoggedThrow {
    int round = 0;
    int seat = 0;
    Board before = 0;
    bool offered = false; // one die was offered before it
    int d1 = 0;
    int d2 = 0;       // 0 with one die
    Board covers = 0; // 0 when it allowed no move
    friend bool operator==(const LoggedThrow& a, const LoggedThrow& b) {
        return a.round == b.round && a.seat == b.seat && a.before == b.before &&
               a.offered == b.offered && a.d1 == b.d1 && a.d2 == b.d2 && a.covers == b.covers;
    }
};

// The throws of a match, to review it again later; those before a resume are not known.
struct MatchLog {
    std::vector<LoggedThrow> throws;

    // Seven bytes a throw.
    std::string encode() const;
    static std::optional<MatchLog> decode(std::string_view bytes);
};

// A person's choice in a match, reviewed.
struct MatchChoice {
    int round = 0;
    int seat = 0;
    ReviewedChoice choice;
};
// Every choice of the seats that people play, in the order they were made.
std::vector<MatchChoice> reviewMatch(const MatchLog& log, BoardKind kind);
bool personPlays(BoardKind kind, int seat);

// A finished match as the record keeps it.
struct SeatSummary {
    int total = 0;
    int clears = 0;
    int choices = 0; // people's only
    int turns = 0;   // turns of which the throws are known
    double lost = 0; // expected points lost against best play
};
struct MatchSummary {
    BoardKind kind = BoardKind::People;
    int players = 2;
    std::array<SeatSummary, 4> seats{};
    int winner = 0;
    bool draw = false;
    bool resumed = false; // continued from a saved game: the throws before are not known
};
MatchSummary summarize(const MatchLog& log, BoardKind kind, int players,
                       const std::array<int, 4>& totals, int winner, bool draw);

// Logs the match a game plays and hands it over when it ends; a new match starts afresh.
class MatchLogger : public GameObserver {
public:
    using Ended = std::function<void(const MatchLog&, const Game&)>;
    explicit MatchLogger(Ended ended) : ended_(std::move(ended)) {}
    const MatchLog& log() const { return log_; }
    // The throws of the match before it was left and continued.
    void continueFrom(const MatchLog& before) {
        log_.throws.insert(log_.throws.begin(), before.throws.begin(), before.throws.end());
    }

    void thrown(const Game& game, Board before, bool offered, int d1, int d2) override;
    void used(const Game& game, Board after) override;
    void ended(const Game& game) override;
    void newMatch() override { log_ = {}; }

private:
    Ended ended_;
    MatchLog log_;
};

} // namespace nf
