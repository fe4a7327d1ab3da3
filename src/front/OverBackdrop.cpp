#include "OverBackdrop.h"

#include "platform/BackdropHints.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace nf {

OverBackdrop::OverBackdrop(GameWindows gameWindows) : gameWindows_(std::move(gameWindows)) {}

void OverBackdrop::watch(QWidget* backdrop) {
    if (backdrop_ == backdrop)
        return;
    backdrop_ = backdrop;
    backdrop->winId();                  // makes the window handle to watch
    backdrop->installEventFilter(this); // its activation
    backdrop->windowHandle()->installEventFilter(
        this); // presses, which the disabled widget never sees
    if (!onWayland())
        return;
    // A Wayland window takes its parent when it is shown: those already open are shown again.
    for (QWidget* window : gameWindows_()) {
        adopt(window);
        if (window->isVisible()) {
            window->hide();
            window->show();
        }
    }
}

void OverBackdrop::adopt(QWidget* window) {
    if (!onWayland() || !backdrop_ || !backdrop_->isVisible())
        return;
    window->winId();
    window->windowHandle()->setTransientParent(backdrop_->windowHandle());
}

namespace {

// Puts a window back where it stood once the window manager has placed it: some managers
// (weston's) frame a window shown again a frame's width off its place.
class KeepPlace : public QObject {
public:
    KeepPlace(QWidget* window, const QRect& place) : QObject(window), place_(place) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Move && window->geometry() != place_) {
            window->setGeometry(place_);
            deleteLater();
        }
        return false;
    }

private:
    const QRect place_;
};

void showAfreshInPlace(QWidget* window) {
    const QRect place = window->geometry();
    window->hide();
    window->show();
    new KeepPlace(window, place);
}

} // namespace

void OverBackdrop::handBack() {
    const bool showAfresh = !onWayland() && !windowManagerKeepsBelow();
    for (QWidget* window : gameWindows_()) {
        if (!window->isVisible())
            continue;
        if (showAfresh)
            showAfreshInPlace(window);
        window->raise();
        window->activateWindow();
    }
}

bool OverBackdrop::eventFilter(QObject* watched, QEvent* event) {
    if (!backdrop_ || pending_)
        return false;
    const bool pressed =
        watched == backdrop_->windowHandle() && event->type() == QEvent::MouseButtonPress;
    const bool activated = watched == backdrop_ && event->type() == QEvent::WindowActivate;
    if (pressed || activated) {
        // After the window manager has done what it does with the press; once, however many
        // events the showing afresh brings.
        pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                handBack();
                pending_ = false;
            },
            Qt::QueuedConnection);
    }
    return false;
}

} // namespace nf
