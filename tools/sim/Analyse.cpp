#include "Analyse.h"

#include "engine/BestPlay.h"
#include "engine/Hint.h"
#include "engine/Index.h"

#include <iomanip>
#include <optional>

namespace nf::sim {
namespace {

std::string digitsOf(Board board) {
    std::string digits;
    for (int n = 1; n <= 9; ++n)
        digits += (board & numberBit(n)) ? '1' : '0';
    return digits;
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

void analyse(const AnalyseRequest& request, std::ostream& out) {
    const BestPlay& play = BestPlay::solved();
    out << std::fixed << std::setprecision(6);
    if (request.table) {
        out << "mask covered   expected  one-die\n";
        for (int b = 0; b <= kFullBoard; ++b) {
            const auto board = static_cast<Board>(b);
            out << std::setw(4) << b << ' ' << digitsOf(board) << ' ' << std::setw(10)
                << play.turn(board) << ' ' << (play.oneDieBetter(board) ? "yes" : "no") << '\n';
        }
        return;
    }
    if (!request.covered) {
        out << "a turn from an open board: " << play.turn(0) << " expected points\n";
        return;
    }
    printBoard(out, play, *request.covered);
    if (!request.dice.empty())
        printChoices(out, play, *request.covered, request.dice);
}

std::optional<Board> boardOf(const std::string& digits) {
    if (digits.size() != 9)
        return std::nullopt;
    Board board = 0;
    for (int n = 1; n <= 9; ++n) {
        const char c = digits[idx(n - 1)];
        if (c != '0' && c != '1')
            return std::nullopt;
        if (c == '1')
            board = static_cast<Board>(board | numberBit(n));
    }
    return board;
}

} // namespace nf::sim
