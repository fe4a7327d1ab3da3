#pragma once

#include <QWidget>
#include <array>

namespace nf {

// One line of a spoken status: draws nothing, takes no clicks; screen readers read it as a
// label named with what it says.
class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);
};

// What a screen reader follows on a board. Screen readers speak the object that takes the
// keyboard focus, and Orca ignores changes of a label's name or description (Qt's bridge does
// not even send the new text with them), so each event of the game goes to the other of two
// lines, which then takes the focus from the first: the reader speaks it, once, also when it
// repeats the one before. The focus moves only while it is on the status, so that a player who
// has tabbed to a button stays there. Keys go on to the window.
class SpokenStatus : public QObject {
    Q_OBJECT
public:
    // Lies over the place given, in the parent, under every other control.
    SpokenStatus(QWidget* parent, const QRect& place);

    void say(const QString& text);
    const QString& said() const { return said_; }
    // The line the focus is on, or goes to when the status takes it.
    QWidget* current() const { return lines_[current_]; }
    bool hasFocus() const;
    void takeFocus();
    // Tab goes from the status to the control given.
    void tabTo(QWidget* next) { QWidget::setTabOrder(lines_[1], next); }

private:
    std::array<StatusLine*, 2> lines_{};
    std::size_t current_ = 0;
    QString said_;
};

} // namespace nf
