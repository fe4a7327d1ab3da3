#include "StatisticsWindow.h"

#include "RecordPlot.h"
#include "StatisticsText.h"
#include "engine/Index.h"
#include "engine/Players.h"
#include "platform/Fonts.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace nf {
namespace {

QLabel* label(const QString& text, double points, bool bold, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setFont(Fonts::font(QStringLiteral("Arial"), points, bold));
    l->setTextFormat(Qt::PlainText);
    return l;
}

// One row of figures, read by a screen reader as one sentence.
void addSeatRow(QGridLayout* grid, int row, int seat, const SeatFigures& f, QWidget* parent) {
    QStringList cells = statistics::seatCells(f);
    cells.prepend(statistics::seatName(seat));
    const QString sentence = statistics::seatSentence(seat, f);
    for (int column = 0; column < cells.size(); ++column) {
        QLabel* cell = label(cells[column], 9, column == 0, parent);
        // Centred in the row: a colour's name may come from another face than the figures.
        cell->setAlignment((column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        if (column == 0) {
            cell->setFocusPolicy(Qt::TabFocus);
            cell->setAccessibleName(sentence);
        } else {
            cell->setAccessibleName(statistics::columnNames()[column] + QStringLiteral(": ") +
                                    cells[column]);
        }
        grid->addWidget(cell, row, column);
    }
}

} // namespace

StatisticsWindow::StatisticsWindow(const std::optional<RecordFigures>& figures, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(statistics::title());
    setAccessibleName(statistics::title());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->setSpacing(6);
    QLabel* heading = label(statistics::title(), 18, true, this);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    const RecordFigures f = figures.value_or(RecordFigures{});
    QLabel* count = label(statistics::matchesRecorded(f.matches), 9.75, true, this);
    count->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(count);

    for (int kind = 0; kind < kBoardKinds; ++kind) {
        const auto& seats = f.seats[idx(kind)];
        if (seats[0].matches == 0)
            continue;
        layout->addWidget(
            label(statistics::boardName(static_cast<BoardKind>(kind)), 9.75, true, this));
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(14);
        grid->setVerticalSpacing(1);
        const QStringList names = statistics::columnNames();
        for (int column = 0; column < names.size(); ++column) {
            QLabel* name = label(names[column], 8.25, false, this);
            name->setAlignment((column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom);
            grid->addWidget(name, 0, column);
        }
        int row = 1;
        for (int seat = 0; seat < kPlayers; ++seat)
            if (seats[idx(seat)].matches > 0)
                addSeatRow(grid, row++, seat, seats[idx(seat)], this);
        layout->addLayout(grid);
    }

    if (!f.recent.empty()) {
        layout->addWidget(
            label(statistics::plotName(static_cast<int>(f.recent.size())), 8.25, false, this));
        layout->addWidget(new RecordPlot(f.recent, this));
    }
    if (f.last) {
        QLabel* last = label(statistics::lastMatch(*f.last), 9.75, true, this);
        last->setWordWrap(true);
        last->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(last);
        layout->addWidget(label(statistics::reviewHeading(), 8.25, false, this));
        for (const QString& line : statistics::costliestChoices(*f.last)) {
            QLabel* choice = label(line, 9, false, this);
            choice->setWordWrap(true);
            choice->setFocusPolicy(Qt::TabFocus);
            layout->addWidget(choice);
        }
    }
    layout->addStretch();
    setMinimumWidth(600);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_S:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace nf
