#include "TextFit.h"

#include "Fonts.h"

#include <QWidget>
#include <cmath>

namespace nf {

void shrinkFontToFit(QWidget& widget, double designedPoints, const std::function<bool()>& fits) {
    QFont font = widget.font();
    font.setPixelSize(Fonts::pixelSize(designedPoints));
    widget.setFont(font);
    for (int points = static_cast<int>(std::ceil(designedPoints)) - 1;
         points >= kSmallestFitPoints && !fits(); --points) {
        font.setPixelSize(Fonts::pixelSize(points));
        widget.setFont(font);
    }
}

} // namespace nf
