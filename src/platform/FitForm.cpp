#include "FitForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace nf {
namespace {
constexpr int kOuterWidth = 800;
constexpr int kOuterHeight = 600;
} // namespace

void fitform(QWidget* window) {
    if (!window)
        return;
    // Decorations are known once the window manager has framed the window; before that the
    // frame and the client area coincide.
    const QSize decoration = window->frameGeometry().size() - window->geometry().size();
    window->setFixedSize(kOuterWidth - decoration.width(), kOuterHeight - decoration.height());
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const int left = area.x() + static_cast<int>(std::floor((area.width() - kOuterWidth) / 2.0));
    const int top = area.y() + static_cast<int>(std::floor((area.height() - kOuterHeight) / 2.0));
    window->move(left, top); // a window's position is that of its frame
}

} // namespace nf
