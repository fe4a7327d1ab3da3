#include "Analyse.h"

#include "engine/BestPlay.h"
#include "engine/Hint.h"

#include <iomanip>
#include <optional>

namespace nf::sim {
namespace {

struct Options {
    std::optional<Board> covered;
    std::vector<int> dice;
    bool table = false;
};

std::optional<Board> parseBoard(const std::string& digits) {
    if (digits.size() != 9)
        return std::nullopt;
    Board board = 0;
    for (int n = 1; n <= 9; ++n) {
        const char c = digits[static_cast<std::size_t>(n - 1)];
        if (c != '0' && c != '1')
            return std::nullopt;
        if (c == '1')
            board = static_cast<Board>(board | numberBit(n));
    }
    return board;
}

std::string digitsOf(Board board) {
    std::string digits;
    for (int n = 1; n <= 9; ++n)
        digits += (board & numberBit(n)) ? '1' : '0';
    return digits;
}

bool isDie(const std::string& word) {
    return word.size() == 1 && word[0] >= '1' && word[0] <= '6';
}

bool parse(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--covered" && i + 1 < args.size()) {
            o.covered = parseBoard(args[++i]);
            if (!o.covered)
                return false;
        } else if (args[i] == "--dice") {
            while (i + 1 < args.size() && isDie(args[i + 1]) && o.dice.size() < 2)
                o.dice.push_back(args[++i][0] - '0');
            if (o.dice.empty())
                return false;
        } else if (args[i] == "--table") {
            o.table = true;
        } else {
            return false;
        }
    }
    return o.dice.empty() || o.covered;
}

void printBoard(std::ostream& out, const BestPlay& play, Board board) {
    out << "board " << digitsOf(board) << ": " << play.turn(board) << " expected points\n";
    if ((board & kSevenEightNine) == kSevenEightNine && board != kFullBoard) {
        out << "  throw one die   " << play.oneDie(board) << '\n';
        out << "  throw two dice  " << play.twoDice(board) << '\n';
    }
}

void printChoices(std::ostream& out, const BestPlay& play, Board board,
                  const std::vector<int>& dice) {
    const int d1 = dice[0], d2 = dice.size() == 2 ? dice[1] : 0;
    out << "dice " << d1;
    if (d2)
        out << ' ' << d2;
    out << ":\n";
    const std::vector<Choice> choices = play.choices(board, d1, d2);
    if (choices.empty())
        out << "  no move: the turn ends\n";
    for (const Choice& c : choices)
        out << "  " << std::left << std::setw(16) << hintWords({Hint::Kind::Cover, c.covers})
            << std::right << c.expected << '\n';
}

} // namespace

int analyse(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    if (!parse(args, o)) {
        err << "usage: ninefold-sim analyse [--covered XXXXXXXXX [--dice D1 D2 | --dice D]] "
               "[--table]\n";
        return 2;
    }
    if (o.dice.size() == 1 && o.covered && (*o.covered & kSevenEightNine) != kSevenEightNine) {
        err << "ninefold-sim: one die is thrown only once 7, 8 and 9 are covered\n";
        return 2;
    }
    const BestPlay& play = BestPlay::solved();
    out << std::fixed << std::setprecision(6);
    if (o.table) {
        out << "mask covered   expected  one-die\n";
        for (int b = 0; b <= kFullBoard; ++b) {
            const auto board = static_cast<Board>(b);
            out << std::setw(4) << b << ' ' << digitsOf(board) << ' ' << std::setw(10)
                << play.turn(board) << ' ' << (play.oneDieBetter(board) ? "yes" : "no") << '\n';
        }
        return 0;
    }
    if (!o.covered) {
        out << "a turn from an open board: " << play.turn(0) << " expected points\n";
        return 0;
    }
    printBoard(out, play, *o.covered);
    if (!o.dice.empty())
        printChoices(out, play, *o.covered, o.dice);
    return 0;
}

} // namespace nf::sim
