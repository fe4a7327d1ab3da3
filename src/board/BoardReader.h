#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

namespace nf {

class Game;
class SpokenStatus;
struct BoardControls;

// What a screen reader learns of a board, worded from the same display calls the window draws
// from. The board's controls carry their values in their names (the dice once settled, who
// covered a number, the totals); a spoken status that holds the keyboard focus says each event
// once it is complete: the player to play and the round, the throw, the numbers covered with
// the total, "TURN OVER" with every total, the result. The calls of one step of the game are
// gathered and said together, so that the reader is not cut short by the next.
class BoardReader : public QObject {
    Q_OBJECT
public:
    BoardReader(QWidget& window, const BoardControls& ui, const Game& game, int players);

    const SpokenStatus& status() const { return *status_; }
    // Gives the keyboard focus back to the status after a button was pressed from the keyboard.
    void takeFocus();

    // A new message; "TURN OVER" and the result are said with every total.
    void message(bool withTotals);
    void round();
    void score(int player, long total);
    void spot(int number, int player);
    void clearSpots();
    void covered(int number);
    void die(int die, int figure);
    // A hint, said at once after what is still to be said.
    void hint(const QString& text);
    // Says what has been gathered now, before the person's action changes the board.
    void sayNow();

private:
    void later();
    void say();
    QString throwSaid() const;
    QString totalsSaid() const;

    const BoardControls& ui_;
    const Game& game_;
    const int players_;
    SpokenStatus* status_;
    bool pending_ = false;
    bool first_ = true;
    bool message_ = false, round_ = false, throwing_ = false, totals_ = false;
    QString thrown_;
    QStringList covered_;
    std::array<long, 4> totalsKnown_{-1, -1, -1, -1};
    QStringList changedTotals_;
};

} // namespace nf
