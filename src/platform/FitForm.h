#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace nf {

// Where a window of the given outer size stands when centred on the screen area; the halves
// are rounded down and never clamped.
QPoint centredPosition(const QRect& screen, const QSize& outer);

// Gives a top-level window the outer size 800 x 600 pixels, title bar and border included,
// and centres it on its screen; a screen smaller than that leaves it overlapping the edges.
void fitform(QWidget* window);

// Centres a top-level window at its own size, title bar and border included.
void centreform(QWidget* window);

// For a window fitted or centred before the window manager framed it: places it again when
// its frame has changed since. True when it did.
bool refitIfFrameChanged(QWidget* window);

constexpr const char* kFittedDecoration = "ninefoldFittedDecoration";
constexpr const char* kCentredOnly = "ninefoldCentredOnly";

} // namespace nf
