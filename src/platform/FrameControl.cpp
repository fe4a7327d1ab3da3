#include "FrameControl.h"

#include "SunkenBorder.h"

#include <QPainter>

namespace nf {
namespace {
constexpr int kCaptionHalfHeight = 6; // the default caption font is 13 pixels tall
}

FrameControl::FrameControl(QWidget* parent) : QWidget(parent), back_(systemColours::buttonFace()) {}

void FrameControl::setBackColour(const QColor& colour) {
    back_ = colour;
    update();
}

void FrameControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const QRect edge = rect().adjusted(0, kCaptionHalfHeight, -1, -1);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(edge.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(edge.adjusted(1, 1, 0, 0));
}

} // namespace nf
