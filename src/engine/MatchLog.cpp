#include "MatchLog.h"

#include "Index.h"
#include "Players.h"

#include <algorithm>
#include <set>
#include <utility>

namespace nf {

std::string MatchLog::encode() const {
    std::string bytes;
    bytes.reserve(throws.size() * 7);
    const auto put = [&bytes](int v) { bytes.push_back(static_cast<char>(v & 0xff)); };
    for (const LoggedThrow& t : throws) {
        put(std::clamp(t.round, 0, 255));
        put(t.seat);
        put(t.d1 | t.d2 << 3 | (t.offered ? 0x40 : 0));
        put(t.before);
        put(t.before >> 8);
        put(t.covers);
        put(t.covers >> 8);
    }
    return bytes;
}

std::optional<MatchLog> MatchLog::decode(std::string_view bytes) {
    if (bytes.size() % 7 != 0)
        return std::nullopt;
    MatchLog log;
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    for (std::size_t i = 0; i < bytes.size(); i += 7) {
        LoggedThrow t;
        t.round = at(i);
        t.seat = at(i + 1);
        t.d1 = at(i + 2) & 7;
        t.d2 = at(i + 2) >> 3 & 7;
        t.offered = (at(i + 2) & 0x40) != 0;
        t.before = static_cast<Board>(at(i + 3) | at(i + 4) << 8);
        t.covers = static_cast<Board>(at(i + 5) | at(i + 6) << 8);
        if (t.seat >= kPlayers || t.d1 < 1 || t.d1 > 6 || t.d2 > 6 || t.before > kFullBoard ||
            t.covers > kFullBoard || (t.before & t.covers) != 0)
            return std::nullopt;
        log.throws.push_back(t);
    }
    return log;
}

bool personPlays(BoardKind kind, int seat) {
    return kind == BoardKind::People || seat != kComputerSeat;
}

std::vector<MatchChoice> reviewMatch(const MatchLog& log, BoardKind kind) {
    std::vector<MatchChoice> choices;
    for (const LoggedThrow& t : log.throws) {
        if (!personPlays(kind, t.seat))
            continue;
        if (t.offered)
            choices.push_back({t.round, t.seat, reviewDice(t.before, t.d2 == 0 ? 1 : 2)});
        if (const auto cover = reviewCover(t.before, t.d1, t.d2, t.covers))
            choices.push_back({t.round, t.seat, *cover});
    }
    return choices;
}

MatchSummary summarize(const MatchLog& log, BoardKind kind, int players,
                       const std::array<int, 4>& totals, int winner, bool draw) {
    MatchSummary s;
    s.kind = kind;
    s.players = players;
    s.winner = winner;
    s.draw = draw;
    std::set<std::pair<int, int>> turns; // a clear goes on in the same seat and round
    for (const LoggedThrow& t : log.throws) {
        SeatSummary& seat = s.seats[idx(t.seat)];
        if ((t.before | t.covers) == kFullBoard && t.covers != 0)
            ++seat.clears;
        if (turns.insert({t.seat, t.round}).second && personPlays(kind, t.seat))
            ++seat.turns;
    }
    for (const MatchChoice& c : reviewMatch(log, kind)) {
        SeatSummary& seat = s.seats[idx(c.seat)];
        ++seat.choices;
        seat.lost += c.choice.lost;
    }
    for (std::size_t i = 0; i < totals.size(); ++i)
        s.seats[i].total = totals[i];
    return s;
}

void MatchLogger::thrown(const Game& game, Board before, bool offered, int d1, int d2) {
    LoggedThrow t;
    t.round = game.match().RoundNumber;
    t.seat = playerOf(game.match().CurrentPlayer);
    t.before = before;
    t.offered = offered;
    t.d1 = d1;
    t.d2 = d2;
    log_.throws.push_back(t);
}

void MatchLogger::used(const Game&, Board after) {
    if (!log_.throws.empty())
        log_.throws.back().covers = static_cast<Board>(after & ~log_.throws.back().before);
}

void MatchLogger::ended(const Game& game) {
    if (ended_)
        ended_(log_, game);
}

} // namespace nf
