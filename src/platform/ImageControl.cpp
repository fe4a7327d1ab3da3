#include "ImageControl.h"

#include "SunkenBorder.h"

#include <QMouseEvent>
#include <QPainter>

namespace nf {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {}

bool ImageControl::loadPicture(const QString& path) {
    QPixmap picture;
    if (!picture.load(path)) {
        clearPicture();
        return false;
    }
    setPicture(picture);
    return true;
}

void ImageControl::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
    update();
}

void ImageControl::clearPicture() {
    picture_ = QPixmap();
    update();
}

void ImageControl::setSunken(bool sunken) {
    sunken_ = sunken;
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull())
        p.drawPixmap(0, 0, picture_);
    if (sunken_)
        paintSunkenBorder(p, rect());
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && isVisible() && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace nf
