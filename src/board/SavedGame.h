#pragma once

#include "engine/MatchState.h"
#include "platform/SavedGamePlaces.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QSaveFile;

namespace nf {

// "lastgame.inf": the match left with "Exit", nineteen lines of text, each ending in CR LF.
namespace SavedGame {

// How a value stands on its line: a plain number, a total as the score labels show it, or a
// covered flag with a sign place and a blank after it (" 1 ").
enum class Form { Number, Total, Flag };

// One value of the file and its place in the match.
struct Field {
    Form form;
    std::function<std::optional<i16>(const MatchState&)> get; // nothing for a setting not made
    std::function<void(MatchState&, i16)> set;
};

// The nineteen values in the file's order: the number of players, the player to move, the
// round, whether the computer plays, the four totals, the covered flags of 1 to 9, sound and
// the hidden desktop. The writer, the reader and their checks all go by this table.
const std::vector<Field>& fields();
// Whether two matches hold the same values in every field of the file.
bool sameFields(const MatchState& a, const MatchState& b);

// The file's bytes for the match, with the totals as the score labels show them.
QByteArray encode(const MatchState& match, const std::array<long, 4>& totals);

// Reads the nineteen values into the match as they come (spaces, line ends and commas
// separate them). Stops at the first value that is missing, not a whole number or outside the
// 16-bit range, and returns false; the values read before it stay in the match.
bool decodeInto(const QByteArray& bytes, MatchState& match);

// Saves beside the program, or where that fails in the user's state folder. Each place's file
// is replaced in one step, so a failed save leaves the previous file whole. The file written,
// or nothing when no place took it.
std::optional<QString> save(const SavedGamePlaces& places, const QByteArray& bytes);
// Reads the newer of the two places' files, the match a player left last, or the older one
// where the newer cannot be read (damaged, a folder, a pipe); `skipped` then names the newer.
// When neither can be read, the values the newer held before its fault stay in the match.
bool load(const SavedGamePlaces& places, MatchState& match, QString* skipped = nullptr);

// Replaces one file; false when anything failed, and then the previous file is as it was.
bool write(const QString& path, const QByteArray& bytes);
// The end of a write: the bytes into a save file already open, then committed only when they
// have all reached the disk; otherwise the save file is cancelled.
bool commitWhole(QSaveFile& file, const QByteArray& bytes);
// Reads a regular file only: a pipe or a device is a file that cannot be read, and opening
// it never waits.
bool read(const QString& path, MatchState& match);

} // namespace SavedGame
} // namespace nf
