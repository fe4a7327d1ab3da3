#include "Replay.h"

#include "Review.h"
#include "Table.h"

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

long number(const std::string& word, long low, long high, const char* what) {
    std::size_t used = 0;
    long value = 0;
    try {
        value = std::stol(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size() || value < low || value > high)
        throw ScriptError{std::string(what) + " must be " + std::to_string(low) + " to " +
                          std::to_string(high) + ", not '" + word + "'"};
    return value;
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
    for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
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
