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

// For a window fitted before the window manager framed it: fits it again when its frame has
// changed since. True when it did.
bool refitIfFrameChanged(QWidget* window);

constexpr const char* kFittedDecoration = "ninefoldFittedDecoration";

} // namespace nf
