#include "Replay.h"

#include "Review.h"
#include "Table.h"
#include "WholeNumber.h"

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace nf::sim {
namespace {

struct ScriptError {
    std::string message;
};

// No command comes near this length; a longer line (or a file without any line end, as
// /dev/zero) is refused before it fills the memory.
constexpr std::size_t kLongestLine = 4096;

enum class LineRead { Line, End, TooLong, Failed };

LineRead readLine(std::istream& script, std::string& line) {
    line.clear();
    for (int c = script.get(); c != std::char_traits<char>::eof(); c = script.get()) {
        if (c == '\n')
            return LineRead::Line;
        if (line.size() == kLongestLine)
            return LineRead::TooLong;
        line.push_back(static_cast<char>(c));
    }
    // A read error is not the end of the script.
    if (script.bad())
        return LineRead::Failed;
    return line.empty() ? LineRead::End : LineRead::Line;
}

long number(const std::string& word, long low, long high, const char* what) {
    if (const auto value = wholeNumber(word, low, high))
        return *value;
    throw ScriptError{std::string(what) + " must be " + std::to_string(low) + " to " +
                      std::to_string(high) + ", not '" + word + "'"};
}

// "Throw Dice" with the given dice; refused as the game refuses it (then no time passes).
bool throwDice(HeadlessGame& table, const std::vector<std::string>& words) {
    if (words.size() < 2 || words.size() > 3)
        throw ScriptError{"throw takes one or two dice"};
    const int d1 = static_cast<int>(number(words[1], 1, 6, "a die"));
    const int d2 = words.size() == 3 ? static_cast<int>(number(words[2], 1, 6, "a die")) : 0;
    return table.throwDice(d1, d2);
}

void run(const std::vector<std::string>& words, std::unique_ptr<HeadlessGame>& table,
         std::ostream& out, Review* review, int line) {
    const std::string& command = words[0];
    if (command == "players") {
        if (words.size() != 2)
            throw ScriptError{"players takes one number"};
        table = newTable(static_cast<int>(number(words[1], 1, 4, "the number of players")));
        if (review)
            review->forget();
        return;
    }
    if (!table)
        throw ScriptError{"no match yet: begin with 'players N'"};
    if (command == "throw") {
        const Review::BeforeThrow before = Review::beforeThrow(*table);
        if (throwDice(*table, words) && review)
            review->thrown(*table, before, line);
    } else if (command == "cover" && words.size() == 2) {
        table->cover(static_cast<int>(number(words[1], 1, 9, "a number")));
        if (review)
            review->covered(*table, line);
    } else if (command == "newgame" && words.size() == 1) {
        if (table->newGame() && review)
            review->forget();
    } else if (command == "single" && words.size() == 1)
        table->tickBox();
    else if (command == "wait" && words.size() == 2)
        table->wait(number(words[1], 0, 86400000, "a wait in milliseconds"));
    else if (command == "state" && words.size() == 1)
        out << table->stateLine() << '\n';
    else
        throw ScriptError{"unknown command '" + command + "'"};
}

} // namespace

int replay(std::istream& script, std::ostream& out, std::ostream& err, bool reviewed) {
    std::unique_ptr<HeadlessGame> table;
    std::optional<Review> review;
    if (reviewed)
        review.emplace(out);
    std::string line;
    for (int lineNumber = 1;; ++lineNumber) {
        const LineRead read = readLine(script, line);
        if (read == LineRead::End)
            break;
        if (read != LineRead::Line) {
            err << "line " << lineNumber << ": "
                << (read == LineRead::TooLong
                        ? "longer than " + std::to_string(kLongestLine) + " characters"
                        : std::string("cannot be read"))
                << '\n';
            return 1;
        }
        std::istringstream split(line);
        std::vector<std::string> words;
        for (std::string word; split >> word;)
            words.push_back(word);
        if (words.empty() || words[0][0] == '#')
            continue;
        try {
            run(words, table, out, review ? &*review : nullptr, lineNumber);
        } catch (const ScriptError& e) {
            err << "line " << lineNumber << ": " << e.message << '\n';
            return 1;
        }
    }
    if (review)
        review->printTotals();
    return 0;
}

} // namespace nf::sim
