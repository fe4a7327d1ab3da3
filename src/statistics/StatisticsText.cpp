#include "StatisticsText.h"

#include "engine/Index.h"
#include "platform/GameTexts.h"

#include <QLocale>
#include <algorithm>

namespace nf::statistics {
namespace {

constexpr Text kTitle = NF_TEXT("Statistics", "Statistics");
constexpr Text kBoards[] = {NF_TEXT("Statistics", "People"),
                            NF_TEXT("Statistics", "Against the classic computer"),
                            NF_TEXT("Statistics", "Against the expert computer")};
constexpr Text kSeats[] = {NF_TEXT("Statistics", "Red"), NF_TEXT("Statistics", "Magenta"),
                           NF_TEXT("Statistics", "Yellow"), NF_TEXT("Statistics", "Green")};
constexpr Text kColumns[] = {
    NF_TEXT("Statistics", "Seat"),   NF_TEXT("Statistics", "Matches"),
    NF_TEXT("Statistics", "Wins"),   NF_TEXT("Statistics", "Draws"),
    NF_TEXT("Statistics", "Best"),   NF_TEXT("Statistics", "Mean"),
    NF_TEXT("Statistics", "Clears"), NF_TEXT("Statistics", "Points lost per turn")};
//: %1 the seat colour, then its figures in the columns' order.
constexpr Text kSeatSentence = NF_TEXT("Statistics", "%1: matches %2, wins %3, draws %4, best "
                                                     "total %5, mean total %6, clears %7, "
                                                     "points lost per turn %8");
constexpr Text kMatchesRecorded = NF_TEXT("Statistics", "Matches recorded: %1");
constexpr Text kPlot =
    NF_TEXT("Statistics", "The last %1 matches: totals, and points lost per turn");
//: %1 the kind of board, %2 the seats' totals ("Red 62, Magenta 48").
constexpr Text kLastWon = NF_TEXT("Statistics", "Last match (%1): %2; %3 won");
constexpr Text kLastDraw = NF_TEXT("Statistics", "Last match (%1): %2; a draw");
constexpr Text kResumed =
    NF_TEXT("Statistics", "It was continued from a saved game: its throws before are not known.");
constexpr Text kReviewHeading = NF_TEXT("Statistics", "The costliest choices of the last match");
constexpr Text kNoLoss = NF_TEXT("Statistics", "No choice of the last match lost points.");
//: %1 round, %2 seat colour, %3 the situation, %4 the choice, %5 the best choice, %6 points.
constexpr Text kReview =
    NF_TEXT("Statistics", "round %1, %2, %3: %4, best was %5 (%6 points lost)");
constexpr Text kTwoDiceOn = NF_TEXT("Statistics", "dice %1 and %2 with %3 covered");
constexpr Text kTwoDiceOpen = NF_TEXT("Statistics", "dice %1 and %2 on an open board");
constexpr Text kOneDieOn = NF_TEXT("Statistics", "die %1 with %2 covered");
constexpr Text kBeforeThrow = NF_TEXT("Statistics", "with %1 covered");
constexpr Text kCovered = NF_TEXT("Statistics", "covered %1");
constexpr Text kOneDie = NF_TEXT("Statistics", "one die");
constexpr Text kTwoDice = NF_TEXT("Statistics", "two dice");
constexpr Text kThrewOne = NF_TEXT("Statistics", "threw one die");
constexpr Text kThrewTwo = NF_TEXT("Statistics", "threw two dice");
//: The last two of a list of numbers: "1, 2 and 7".
constexpr Text kAnd = NF_TEXT("Statistics", "%1 and %2");

QLocale locale() {
    const QString language = gameLanguage();
    return language.isEmpty() ? QLocale::c() : QLocale(language);
}

QString decimal(double value, int decimals) {
    return locale().toString(value, 'f', decimals);
}

// "7", "3 and 4", "1, 2 and 7"
QString numbers(Board board) {
    QStringList list;
    for (int n = 1; n <= 9; ++n)
        if (board & numberBit(n))
            list << QString::number(n);
    if (list.size() < 2)
        return list.join(QString());
    const QString last = list.takeLast();
    return gameText(kAnd).arg(list.join(QStringLiteral(", ")), last);
}

QString situation(const ReviewedChoice& c) {
    if (c.kind == ReviewedChoice::Kind::Dice)
        return gameText(kBeforeThrow).arg(numbers(c.board));
    if (c.d2 == 0)
        return gameText(kOneDieOn).arg(c.d1).arg(numbers(c.board));
    if (c.board == 0)
        return gameText(kTwoDiceOpen).arg(c.d1).arg(c.d2);
    return gameText(kTwoDiceOn).arg(c.d1).arg(c.d2).arg(numbers(c.board));
}

} // namespace

QString title() {
    return gameText(kTitle);
}

QString boardName(BoardKind kind) {
    return gameText(kBoards[idx(static_cast<int>(kind))]);
}

QString seatName(int seat) {
    return gameText(kSeats[idx(seat)]);
}

QStringList columnNames() {
    QStringList names;
    for (const Text& t : kColumns)
        names << gameText(t);
    return names;
}

QString lostPerTurn(const SeatFigures& f) {
    return f.turns > 0 ? decimal(f.lost / static_cast<double>(f.turns), 2) : QStringLiteral("-");
}

QStringList seatCells(const SeatFigures& f) {
    const QLocale l = locale();
    const double mean = f.matches > 0 ? f.totals / static_cast<double>(f.matches) : 0;
    return {l.toString(f.matches), l.toString(f.wins),   l.toString(f.draws), l.toString(f.best),
            decimal(mean, 1),      l.toString(f.clears), lostPerTurn(f)};
}

QString seatSentence(int seat, const SeatFigures& f) {
    const QStringList cells = seatCells(f);
    QString said = gameText(kSeatSentence).arg(seatName(seat));
    for (const QString& cell : cells)
        said = said.arg(cell);
    return said;
}

QString matchesRecorded(long matches) {
    return gameText(kMatchesRecorded).arg(locale().toString(matches));
}

QString plotName(int matches) {
    return gameText(kPlot).arg(matches);
}

QString lastMatch(const RecordedMatch& match) {
    const MatchSummary& m = match.summary;
    QStringList totals;
    for (int seat = 0; seat < m.players && seat < kPlayers; ++seat)
        totals << seatName(seat) + QLatin1Char(' ') + QString::number(m.seats[idx(seat)].total);
    const QString said =
        m.draw ? gameText(kLastDraw).arg(boardName(m.kind), totals.join(", "))
               : gameText(kLastWon).arg(boardName(m.kind), totals.join(", "), seatName(m.winner));
    return m.resumed ? said + QLatin1Char('\n') + gameText(kResumed) : said;
}

QString reviewHeading() {
    return gameText(kReviewHeading);
}

QString review(const MatchChoice& mc) {
    const ReviewedChoice& c = mc.choice;
    const bool dice = c.kind == ReviewedChoice::Kind::Dice;
    const QString chose = dice ? gameText(c.chosen == 1 ? kThrewOne : kThrewTwo)
                               : gameText(kCovered).arg(numbers(c.chosen));
    const QString best = dice ? gameText(c.best == 1 ? kOneDie : kTwoDice) : numbers(c.best);
    return gameText(kReview).arg(mc.round).arg(seatName(mc.seat), situation(c), chose, best,
                                               decimal(c.lost, 1));
}

QStringList costliestChoices(const RecordedMatch& match, int count) {
    const std::optional<MatchLog> log = MatchLog::decode(match.throws);
    std::vector<MatchChoice> choices =
        log ? reviewMatch(*log, match.summary.kind) : std::vector<MatchChoice>{};
    std::stable_sort(
        choices.begin(), choices.end(),
        [](const MatchChoice& a, const MatchChoice& b) { return a.choice.lost > b.choice.lost; });
    QStringList lines;
    for (const MatchChoice& c : choices)
        if (lines.size() < count && c.choice.lost >= 0.05)
            lines << review(c);
    if (lines.isEmpty())
        lines << gameText(kNoLoss);
    return lines;
}

QString report(const RecordFigures& f) {
    QString out = title() + QLatin1Char('\n') + matchesRecorded(f.matches) + QLatin1Char('\n');
    for (int kind = 0; kind < kBoardKinds; ++kind) {
        const auto& seats = f.seats[idx(kind)];
        if (seats[0].matches == 0)
            continue;
        out += QLatin1Char('\n') + boardName(static_cast<BoardKind>(kind)) + QLatin1Char('\n');
        for (int seat = 0; seat < kPlayers; ++seat)
            if (seats[idx(seat)].matches > 0)
                out +=
                    QStringLiteral("  ") + seatSentence(seat, seats[idx(seat)]) + QLatin1Char('\n');
    }
    if (f.last) {
        out += QLatin1Char('\n') + lastMatch(*f.last) + QLatin1Char('\n') + reviewHeading() +
               QStringLiteral(":\n");
        for (const QString& line : costliestChoices(*f.last))
            out += QStringLiteral("  ") + line + QLatin1Char('\n');
    }
    return out;
}

} // namespace nf::statistics
