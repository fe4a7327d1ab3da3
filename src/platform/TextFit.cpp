#include "TextFit.h"

#include "Fonts.h"

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <algorithm>
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

QRegion partCoveredFromAbove(const QWidget& widget,
                             const std::function<QRect(const QWidget& above)>& drawn) {
    QRegion covered;
    const QWidget* parent = widget.parentWidget();
    if (!parent)
        return covered;
    const QObjectList& stack = parent->children(); // in drawing order, the last on top
    for (qsizetype i = stack.indexOf(&widget) + 1; i < stack.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(stack[i]);
        if (!above || above->isHidden())
            continue;
        const QRect part = drawn(*above).translated(above->pos()) & widget.geometry();
        if (!part.isEmpty())
            covered += part.translated(-widget.pos());
    }
    return covered;
}

bool anyPixelIn(const QImage& picture, const QRegion& region) {
    const QImage alpha = picture.convertToFormat(QImage::Format_Alpha8);
    for (const QRect& part : region) {
        const QRect r = part & alpha.rect();
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const uchar* row = alpha.constScanLine(y);
            if (std::any_of(row + r.left(), row + r.right() + 1, [](uchar a) { return a != 0; }))
                return true;
        }
    }
    return false;
}

} // namespace nf
