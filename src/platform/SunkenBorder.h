#pragma once

#include <QColor>

class QPainter;
class QRect;

namespace nf {

constexpr int kSunkenBorderWidth = 2;

// The desktop's classic colours, for the sunken edge and for controls without a colour.
namespace systemColours {
inline QColor buttonFace() {
    return {212, 208, 200};
}
inline QColor buttonText() {
    return {0, 0, 0};
}
} // namespace systemColours

// The classic three-dimensional sunken edge, two pixels wide, inside the rectangle.
void paintSunkenBorder(QPainter& painter, const QRect& rect);

} // namespace nf
