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
    backdrop->winId(); // makes the window handle to watch
    // Its activation, and presses on its window handle, which the disabled widget never sees.
    backdrop->installEventFilter(this);
    backdrop->windowHandle()->installEventFilter(this);
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

void OverBackdrop::handBack() {
    const bool showAfresh = !onWayland() && !windowManagerKeepsBelow();
    for (QWidget* window : gameWindows_()) {
        if (!window->isVisible())
            continue;
        if (showAfresh) { // a window mapped anew goes on top under every window manager
            window->hide();
            window->show();
        }
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
