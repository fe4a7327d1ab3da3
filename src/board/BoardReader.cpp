#include "BoardReader.h"

#include "BoardControls.h"
#include "BoardTexts.h"
#include "engine/Game.h"
#include "engine/Index.h"
#include "platform/CheckBoxControl.h"
#include "platform/GameTexts.h"
#include "platform/LabelControl.h"
#include "platform/SpokenStatus.h"

namespace nf {
namespace {

QString totalSaid(int player, long total) {
    return gameText(boardText::kTotals[idx(player)]) + QLatin1Char(' ') + QString::number(total);
}

void nameWithValue(LabelControl* label, Text name, const QString& value) {
    const QString named = gameText(name);
    label->setAccessibleName(value.isEmpty() ? named : named + QStringLiteral(", ") + value);
}

} // namespace

BoardReader::BoardReader(QWidget& window, const BoardControls& ui, const Game& game, int players)
    : QObject(&window), ui_(ui), game_(game), players_(players),
      status_(new SpokenStatus(ui.message->parentWidget(), ui.message->geometry())) {
    status_->tabTo(ui.throwDice);
    QWidget::setTabOrder(ui.throwDice, ui.singleDie);
    QWidget::setTabOrder(ui.singleDie, ui.newGame);
    QWidget::setTabOrder(ui.newGame, ui.exit);
    for (std::size_t i = 0; i < ui.totals.size(); ++i)
        nameWithValue(ui.totals[i], boardText::kTotals[i], ui.totals[i]->text());
}

void BoardReader::takeFocus() {
    status_->takeFocus();
}

void BoardReader::hint(const QString& text) {
    sayNow();
    status_->say(text);
}

void BoardReader::sayNow() {
    if (pending_)
        say();
}

void BoardReader::message(bool withTotals) {
    message_ = true;
    totals_ = totals_ || withTotals;
    later();
}

void BoardReader::round() {
    round_ = true;
    later();
}

void BoardReader::score(int player, long total) {
    const std::size_t p = idx(player);
    nameWithValue(ui_.totals[p], boardText::kTotals[p], QString::number(total));
    if (totalsKnown_[p] != total && (totalsKnown_[p] >= 0 || total != 0))
        changedTotals_ << totalSaid(player, total);
    totalsKnown_[p] = total; // said with what changed it, or with the next turn
}

void BoardReader::spot(int number, int player) {
    ui_.numbers[idx(number - 1)]->setAccessibleName(
        gameText(boardText::kCoveredBy[idx(player)]).arg(number));
}

void BoardReader::clearSpots() {
    for (std::size_t i = 0; i < ui_.numbers.size(); ++i)
        ui_.numbers[i]->setAccessibleName(gameText(boardText::kNumber).arg(i + 1));
}

void BoardReader::covered(int number) {
    covered_ << QString::number(number);
    later();
}

// The dice roll with a new figure every few milliseconds: only the settled figures are named.
void BoardReader::die(int die, int figure) {
    if (figure == 0) {
        nameWithValue(ui_.dice[idx(die)], die == 0 ? boardText::kFirstDie : boardText::kSecondDie,
                      {});
        return;
    }
    throwing_ = true;
    later();
}

void BoardReader::later() {
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { say(); }, Qt::QueuedConnection);
}

QString BoardReader::throwSaid() const {
    const ThrowState& t = game_.throwState();
    nameWithValue(ui_.dice[0], boardText::kFirstDie, QString::number(t.Dice[0]));
    if (t.DiceCount == 1)
        return gameText(boardText::kThrewOne).arg(t.Dice[0]);
    nameWithValue(ui_.dice[1], boardText::kSecondDie, QString::number(t.Dice[1]));
    return gameText(boardText::kThrewTwo).arg(t.Dice[0]).arg(t.Dice[1]);
}

QString BoardReader::totalsSaid() const {
    QStringList all;
    for (int p = 0; p < players_ && p < 4; ++p)
        all << totalSaid(p, totalsKnown_[idx(p)] < 0 ? 0 : totalsKnown_[idx(p)]);
    return all.join(QStringLiteral(", "));
}

void BoardReader::say() {
    pending_ = false;
    message_ = message_ || first_; // a new match opens on the designed message
    ui_.throwDice->setUnavailableToReaders(!game_.personMayAct());
    if (throwing_ && !game_.rolling()) {
        throwing_ = false;
        thrown_ = throwSaid();
        // A throw without a move is said with the "TURN OVER" that follows it.
        if (game_.throwState().TurnOver && !message_)
            return;
    }
    QStringList parts;
    if (!thrown_.isEmpty())
        parts << thrown_;
    if (message_)
        parts << ui_.message->text();
    if (round_)
        parts << ui_.round->text();
    if (!covered_.isEmpty())
        parts << gameText(boardText::kCoveredSaid).arg(covered_.join(QStringLiteral(", ")));
    if (totals_)
        parts << totalsSaid();
    else
        parts << changedTotals_;
    message_ = round_ = totals_ = first_ = false;
    thrown_.clear();
    covered_.clear();
    changedTotals_.clear();
    if (!parts.isEmpty())
        status_->say(parts.join(QStringLiteral(", ")));
}

} // namespace nf
