#include "PictureBoxControl.h"

#include "SharpPicture.h"
#include "SunkenBorder.h"

#include <QPainter>

namespace nf {

PictureBoxControl::PictureBoxControl(QWidget* parent) : QWidget(parent) {}

bool PictureBoxControl::loadPicture(const QString& path) {
    picture_ = loadSharpPicture(path, devicePixelRatioF());
    update();
    return !picture_.isNull();
}

QSize PictureBoxControl::interiorSize() const {
    return size() - QSize(2 * kSunkenBorderWidth, 2 * kSunkenBorderWidth);
}

void PictureBoxControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect interior(kSunkenBorderWidth, kSunkenBorderWidth, interiorSize().width(),
                         interiorSize().height());
    p.fillRect(interior, systemColours::buttonFace());
    p.setClipRect(interior);
    if (!picture_.isNull())
        p.drawPixmap(interior.topLeft(), picture_);
    p.setClipping(false);
    paintSunkenBorder(p, rect());
}

} // namespace nf
