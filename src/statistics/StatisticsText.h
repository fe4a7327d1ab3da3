#pragma once

#include "record/RecordBackend.h"

#include <QString>
#include <QStringList>

namespace nf {

// The record's figures in the player's language, one source for the statistics window and
// `ninefold --statistics`.
namespace statistics {

QString title();
QString boardName(BoardKind kind);
QString seatName(int seat);
QStringList columnNames(); // seat, matches, wins, draws, best, mean, clears, lost per turn
// The figures of one seat on one kind of board, as the columns after the seat's name.
QStringList seatCells(const SeatFigures& figures);
// "Red: matches 12, wins 5, ...", for screen readers and the text output.
QString seatSentence(int seat, const SeatFigures& figures);
QString matchesRecorded(long matches);
QString plotName(int matches);
// "Last match (People): Red 62, Magenta 48; Red won"
QString lastMatch(const RecordedMatch& match);
QString reviewHeading();
// The costliest choices of a match, dearest first, at most `count`: "round 2, Red, dice 3 and
// 4 with 1, 2 and 7 covered: covered 3 and 4, best was 7 (1.3 points lost)". A line that
// says so when no choice lost points.
QStringList costliestChoices(const RecordedMatch& match, int count = 3);
QString review(const MatchChoice& choice);
QString lostPerTurn(const SeatFigures& figures); // "-" without a known turn
// The whole record as text.
QString report(const RecordFigures& figures);

} // namespace statistics
} // namespace nf
