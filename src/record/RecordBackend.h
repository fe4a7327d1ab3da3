#pragma once

#include "engine/MatchLog.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nf {

// A finished match with its throws (MatchLog::encode), as the record keeps it.
struct RecordedMatch {
    MatchSummary summary;
    std::string throws;
    std::string continuedFrom; // the saved game it was continued from, kept with its throws
};

// One seat colour on one kind of board, over every recorded match.
struct SeatFigures {
    long matches = 0;
    long wins = 0;
    long draws = 0;
    long best = 0;
    double totals = 0; // the sum, for the mean
    long clears = 0;
    long choices = 0;
    long turns = 0; // people's turns with known throws
    double lost = 0;
};

struct RecordFigures {
    std::array<std::array<SeatFigures, 4>, kBoardKinds> seats{}; // [kind][seat]
    long matches = 0;
    std::vector<RecordedMatch> recent; // the last matches, oldest first, without their throws
    std::optional<RecordedMatch> last; // with its throws
};

// The player's record of finished matches. Writing takes one transaction; a record that
// cannot be written or read says so in one line on standard error, and the game goes on.
class RecordBackend {
public:
    virtual ~RecordBackend() = default;
    virtual bool add(const RecordedMatch& match) = 0;
    virtual std::optional<RecordFigures> read(int recent) = 0;
    // A match left with Exit: its throws so far, under the bytes of its saved game, kept
    // until it is continued and finished (in place of the one it was continued from, if any).
    virtual bool keepUnfinished(const std::string& saved, const std::string& throws,
                                const std::string& replacing) = 0;
    // The throws kept for the match saved with these bytes, if any.
    virtual std::optional<std::string> unfinished(const std::string& saved) = 0;
};

// The record's file: $XDG_DATA_HOME/ninefold/record.sqlite (~/.local/share/ninefold/).
QString recordPath();

// The store lives in a module of its own (kRecordModuleFile beside the program), so that Qt
// SQL loads when a match ends or the statistics are asked for, never at start-up. Nothing
// when the module cannot be loaded.
constexpr const char* kRecordModuleFile = "ninefold-record.so";
constexpr const char* kRecordModuleEntry = "ninefoldMakeRecordStore";
using RecordModuleEntry = RecordBackend* (*)(const QString& path);
std::unique_ptr<RecordBackend> loadRecordStore(const QString& programFolder,
                                               const QString& path = recordPath());

} // namespace nf
