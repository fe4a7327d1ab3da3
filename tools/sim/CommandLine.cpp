#include "CommandLine.h"

#include "Analyse.h"
#include "MatchRunner.h"
#include "RecordFiller.h"
#include "Replay.h"
#include "WholeNumber.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace nf::sim {
namespace {

const char* const kUsage =
    "usage: ninefold-sim play --players N --matches M --seed S --strategy NAME...\n"
    "                         [--computer classic|expert]   (players 1: against it)\n"
    "                         [--record FILE]   (each match added to a record of the game)\n"
    "       ninefold-sim compare --matches M --seed S\n"
    "       ninefold-sim replay [review] FILE|-\n"
    "       ninefold-sim analyse [--covered XXXXXXXXX] [--dice D1 D2 | --dice D] [--table]\n"
    "       ninefold-sim --help\n"
    "players 1 to 4 (2 unless given), matches 1 to 1000000000 (1000), seed 0 to 2^64-1 (1)\n"
    "strategies: scan, sum-first, faces-first, random, optimal (one per seat, or one for "
    "all)\n";

constexpr long kMostMatches = 1000000000;

// A word the command line cannot take.
struct Refused {
    std::string message;
};

bool isHelp(const std::string& word) {
    return word == "--help" || word == "-h";
}

Refused notAnOption(const std::string& word, const char* command) {
    return {"'" + word + "' is not an option of " + command};
}

// The words of the command line in turn; --help is taken wherever an option may stand.
class Words {
public:
    explicit Words(const std::vector<std::string>& words) : words_(words) {}

    std::optional<std::string> option() {
        for (; at_ < words_.size() && isHelp(words_[at_]); ++at_)
            help_ = true;
        if (at_ == words_.size())
            return std::nullopt;
        return words_[at_++];
    }
    bool valueFollows() const {
        return at_ < words_.size() && words_[at_].rfind("--", 0) != 0 && !isHelp(words_[at_]);
    }
    const std::string& value(const std::string& option) {
        if (!valueFollows())
            throw Refused{option + " needs a value"};
        return words_[at_++];
    }
    template <typename T>
    T number(const std::string& option, T low, T high) {
        const std::string& word = value(option);
        if (const auto n = wholeNumber(word, low, high))
            return *n;
        throw Refused{option + " takes a whole number from " + std::to_string(low) + " to " +
                      std::to_string(high) + ", not '" + word + "'"};
    }
    bool help() const { return help_; }

private:
    const std::vector<std::string>& words_;
    std::size_t at_ = 0;
    bool help_ = false;
};

using Command = std::function<int(std::istream& in, std::ostream& out, std::ostream& err)>;

struct PlayRequest {
    int players = 2;
    long matches = 1000;
    std::uint64_t seed = 1;
    std::vector<Strategy> strategies;
    std::optional<ComputerPlay> computer;
    std::string record; // a record file to add the matches to
};

// --matches and --seed, which play and compare share.
bool takeRunOption(Words& words, const std::string& option, PlayRequest& o) {
    if (option == "--matches")
        o.matches = words.number(option, 1L, kMostMatches);
    else if (option == "--seed")
        o.seed = words.number(option, std::uint64_t{0}, std::numeric_limits<std::uint64_t>::max());
    else
        return false;
    return true;
}

int runPlay(const PlayRequest& o, std::ostream& out, std::ostream& err) {
    const ComputerPlay computer = o.computer.value_or(ComputerPlay::Classic);
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    std::optional<RecordFiller> filler;
    if (!o.record.empty())
        filler.emplace(o.record);
    const auto figures = playMatches(o.players, o.matches, o.seed, o.strategies, computer,
                                     filler ? filler->ended() : MatchEnded{});
    if (filler && !filler->finish()) {
        err << "ninefold-sim: the matches could not all be recorded in " << o.record << '\n';
        return 1;
    }
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printFigures(out, figures, o.seed, o.strategies);
    out.flush();
    // The speed varies from run to run, so it goes apart from the figures the seed decides;
    // on a shared machine the CPU time tells more than the time on the clock.
    err << o.matches << " matches in " << wall << " s (" << cpu << " CPU-seconds): "
        << static_cast<long>(static_cast<double>(o.matches) / std::max(cpu, 1e-9))
        << " matches per CPU-second\n";
    return 0;
}

Command play(Words& words) {
    PlayRequest o;
    while (const auto option = words.option()) {
        if (takeRunOption(words, *option, o))
            continue;
        if (*option == "--players") {
            o.players = words.number(*option, 1, 4);
        } else if (*option == "--record") {
            o.record = words.value(*option);
        } else if (*option == "--computer") {
            const std::string& name = words.value(*option);
            if (name != "classic" && name != "expert")
                throw Refused{"--computer takes classic or expert, not '" + name + "'"};
            o.computer = name == "expert" ? ComputerPlay::Expert : ComputerPlay::Classic;
        } else if (*option == "--strategy") {
            do {
                const std::string& name = words.value(*option);
                const auto strategy = parseStrategy(name);
                if (!strategy)
                    throw Refused{"no strategy '" + name + "'"};
                o.strategies.push_back(*strategy);
            } while (words.valueFollows());
        } else {
            throw notAnOption(*option, "play");
        }
    }
    if (o.computer && o.players != 1)
        throw Refused{"--computer plays only with --players 1"};
    if (o.strategies.size() == 1)
        o.strategies.assign(static_cast<std::size_t>(o.players), o.strategies[0]);
    if (o.strategies.size() != static_cast<std::size_t>(o.players) && !words.help())
        throw Refused{"--strategy names one strategy, or one for each of the " +
                      std::to_string(o.players) + " players"};
    return
        [o](std::istream&, std::ostream& out, std::ostream& err) { return runPlay(o, out, err); };
}

Command compare(Words& words) {
    PlayRequest o;
    while (const auto option = words.option())
        if (!takeRunOption(words, *option, o))
            throw notAnOption(*option, "compare");
    return [o](std::istream&, std::ostream& out, std::ostream&) {
        printComparison(out, o.matches, o.seed);
        return 0;
    };
}

int replayFile(const std::string& path, bool review, std::istream& in, std::ostream& out,
               std::ostream& err) {
    if (path == "-") {
        // A read error on a stream looks like its end: what standard input is, is asked first.
        struct stat input {};
        if (&in == &std::cin && fstat(STDIN_FILENO, &input) != 0) {
            err << "ninefold-sim: cannot read standard input: " << std::strerror(errno) << '\n';
            return 2;
        }
        if (&in == &std::cin && S_ISDIR(input.st_mode)) {
            err << "ninefold-sim: cannot read standard input: a directory, not a script\n";
            return 2;
        }
        return replay(in, out, err, review);
    }
    std::error_code unknown;
    if (std::filesystem::is_directory(path, unknown)) {
        err << "ninefold-sim: cannot read " << path << ": a directory, not a script\n";
        return 2;
    }
    std::ifstream file(path);
    if (!file) {
        err << "ninefold-sim: cannot read " << path << ": " << std::strerror(errno) << '\n';
        return 2;
    }
    return replay(file, out, err, review);
}

Command replayScript(Words& words) {
    bool review = false;
    std::optional<std::string> path;
    while (const auto word = words.option()) {
        if (*word == "review" && !review && !path)
            review = true;
        else if (word->size() > 1 && word->front() == '-')
            throw notAnOption(*word, "replay");
        else if (!path)
            path = *word;
        else
            throw Refused{"replay takes one script"};
    }
    if (!path && !words.help())
        throw Refused{std::string(review ? "replay review" : "replay") +
                      " needs a script: a file, or - for standard input"};
    return [review, path](std::istream& in, std::ostream& out, std::ostream& err) {
        return replayFile(*path, review, in, out, err);
    };
}

Board coveredBoard(const std::string& digits) {
    const auto board = boardOf(digits);
    if (!board)
        throw Refused{"--covered takes nine digits 0 or 1, for the numbers 1 to 9, not '" + digits +
                      "'"};
    // Covering the last number clears the board, so no turn ever starts from a full one.
    if (*board == kFullBoard)
        throw Refused{"--covered " + digits + ": a full board is never played (it clears)"};
    return *board;
}

Command analyseBoards(Words& words) {
    AnalyseRequest request;
    while (const auto option = words.option()) {
        if (*option == "--covered") {
            request.covered = coveredBoard(words.value(*option));
        } else if (*option == "--dice") {
            request.dice.clear();
            do
                request.dice.push_back(words.number(*option, 1, 6));
            while (request.dice.size() < 2 && words.valueFollows());
        } else if (*option == "--table") {
            request.table = true;
        } else {
            throw notAnOption(*option, "analyse");
        }
    }
    if (!request.dice.empty() && !request.covered)
        request.covered = Board{0};
    if (request.dice.size() == 1 && (*request.covered & kSevenEightNine) != kSevenEightNine)
        throw Refused{"one die is thrown only once 7, 8 and 9 are covered"};
    return [request](std::istream&, std::ostream& out, std::ostream&) {
        analyse(request, out);
        return 0;
    };
}

Command command(Words& words) {
    const auto name = words.option();
    if (!name) {
        if (words.help())
            return {};
        throw Refused{"say what to do: play, compare, replay or analyse"};
    }
    if (*name == "play")
        return play(words);
    if (*name == "compare")
        return compare(words);
    if (*name == "replay")
        return replayScript(words);
    if (*name == "analyse")
        return analyseBoards(words);
    throw Refused{"no command '" + *name + "'"};
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    Words words(args);
    Command asked;
    try {
        asked = command(words);
    } catch (const Refused& refused) {
        err << "ninefold-sim: " << refused.message << '\n' << kUsage;
        return 2;
    }
    if (words.help()) {
        out << kUsage;
        return 0;
    }
    return asked(in, out, err);
}

} // namespace nf::sim
