#include "ImageControl.h"

#include "SharpPicture.h"
#include "SunkenBorder.h"

#include <QMouseEvent>
#include <QPainter>

namespace nf {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {}

bool ImageControl::loadPicture(const QString& path) {
    const QPixmap picture = loadSharpPicture(path, devicePixelRatioF());
    if (picture.isNull()) {
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
    click_.press(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.release(event, *this))
        emit clicked(); // last: the handler may close the window
}

} // namespace nf
