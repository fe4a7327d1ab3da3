#include "ShapeControl.h"

#include <QPainter>
#include <algorithm>

namespace nf {

ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setBorder(const QColor& colour, int width) {
    border_ = colour;
    borderWidth_ = width;
    update();
}

void ShapeControl::setFill(std::optional<QColor> fill) {
    fill_ = fill;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_)
        p.fillRect(rect(), *fill_);
    const int w = std::min({borderWidth_, width() / 2, height() / 2});
    if (w <= 0)
        return;
    const QRect r = rect();
    p.fillRect(QRect(r.left(), r.top(), r.width(), w), border_);
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), border_);
    p.fillRect(QRect(r.left(), r.top(), w, r.height()), border_);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), border_);
}

} // namespace nf
