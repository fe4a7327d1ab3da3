#pragma once

#include "engine/MatchState.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace nf {

// "lastgame.inf": the match left with "Exit", nineteen lines of text, each ending in CR LF.
namespace SavedGame {

constexpr const char* kFileName = "lastgame.inf";

// Where the saved game is kept: the given place beside the program while that folder can be
// written (a copy run from its build folder), else the user's state folder,
// $XDG_STATE_HOME/ninefold/ (by default ~/.local/state/ninefold/), as for an installed copy.
QString location(const QString& besideProgram);

// The file's bytes for the match, with the totals as the score labels show them.
QByteArray encode(const MatchState& match, const std::array<long, 4>& totals);

// Replaces the file through a temporary file in the same folder, so that a failed save leaves
// the previous file whole. False when anything failed.
bool write(const QString& path, const QByteArray& bytes);

// Reads the nineteen values into the match as they come (spaces, line ends and commas
// separate them). Stops at the first value that is missing, not a whole number or outside the
// 16-bit range, and returns false; the values read before it stay in the match.
bool decodeInto(const QByteArray& bytes, MatchState& match);
bool read(const QString& path, MatchState& match);

} // namespace SavedGame
} // namespace nf
