#include "FitForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace nf {
namespace {
constexpr int kOuterWidth = 800;
constexpr int kOuterHeight = 600;

// Decorations are known once the window manager has framed the window; before that the
// frame and the client area coincide. A window designed without a title bar has none of its
// own: a manager that frames it anyway (twm) must not shrink its controls out of sight.
QSize decorationOf(const QWidget* window) {
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return QSize(0, 0); // not QSize(), which is -1 by -1
    return window->frameGeometry().size() - window->geometry().size();
}
} // namespace

QPoint centredPosition(const QRect& screen, const QSize& outer) {
    return {screen.x() + static_cast<int>(std::floor((screen.width() - outer.width()) / 2.0)),
            screen.y() + static_cast<int>(std::floor((screen.height() - outer.height()) / 2.0))};
}

bool refitIfFrameChanged(QWidget* window) {
    const QVariant fitted = window->property(kFittedDecoration);
    if (!fitted.isValid())
        return false;
    if (decorationOf(window) == fitted.toSize())
        return false;
    if (window->property(kCentredOnly).toBool())
        centreform(window);
    else
        fitform(window);
    return true;
}

namespace {

QRect screenOf(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

// Remembered, so that the window can be placed again when the window manager frames it later
// with other decorations.
void rememberPlacement(QWidget* window, const QSize& decoration, bool centredOnly) {
    window->setProperty(kFittedDecoration, decoration);
    window->setProperty(kCentredOnly, centredOnly);
}

} // namespace

void centreform(QWidget* window) {
    if (!window)
        return;
    rememberPlacement(window, decorationOf(window), true);
    const QRect screen = screenOf(window);
    if (screen.isValid()) // a window's position is that of its frame
        window->move(centredPosition(screen, window->frameGeometry().size()));
}

void fitform(QWidget* window) {
    if (!window)
        return;
    const QSize decoration = decorationOf(window);
    rememberPlacement(window, decoration, false);
    window->setFixedSize(kOuterWidth - decoration.width(), kOuterHeight - decoration.height());
    const QRect screen = screenOf(window);
    if (screen.isValid())
        window->move(centredPosition(screen, QSize(kOuterWidth, kOuterHeight)));
}

} // namespace nf
