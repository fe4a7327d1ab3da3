#include "SunkenBorder.h"

#include <QPainter>
#include <QRect>

namespace nf {
namespace {

void paintEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

} // namespace

void paintSunkenBorder(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintEdge(painter, rect, QColor(128, 128, 128), QColor(255, 255, 255));
    paintEdge(painter, rect.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(212, 208, 200));
    painter.restore();
}

} // namespace nf
