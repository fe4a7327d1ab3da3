#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace nf {

// A click as the game's controls take it: the left button pressed over the control and
// released over it while it is visible.
class ClickDetector {
public:
    void press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

    bool release(const QMouseEvent* event, const QWidget& control) {
        const bool click = pressed_ && control.isVisible() && event->button() == Qt::LeftButton &&
                           control.rect().contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

} // namespace nf
