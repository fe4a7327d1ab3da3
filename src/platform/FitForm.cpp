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
} // namespace

QPoint centredPosition(const QRect& screen, const QSize& outer) {
    return {screen.x() + static_cast<int>(std::floor((screen.width() - outer.width()) / 2.0)),
            screen.y() + static_cast<int>(std::floor((screen.height() - outer.height()) / 2.0))};
}

bool refitIfFrameChanged(QWidget* window) {
    const QVariant fitted = window->property(kFittedDecoration);
    if (!fitted.isValid())
        return false;
    const QSize decoration = window->frameGeometry().size() - window->geometry().size();
    if (decoration == fitted.toSize())
        return false;
    fitform(window);
    return true;
}

void fitform(QWidget* window) {
    if (!window)
        return;
    // Decorations are known once the window manager has framed the window; before that the
    // frame and the client area coincide.
    const QSize decoration = window->frameGeometry().size() - window->geometry().size();
    // Remembered, so that the window can fit itself again when the window manager frames it
    // later with other decorations.
    window->setProperty(kFittedDecoration, decoration);
    window->setFixedSize(kOuterWidth - decoration.width(), kOuterHeight - decoration.height());
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window's position is that of its frame.
    window->move(centredPosition(screen->geometry(), QSize(kOuterWidth, kOuterHeight)));
}

} // namespace nf
