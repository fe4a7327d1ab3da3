#pragma once

#include <functional>

class QImage;
class QRect;
class QRegion;
class QWidget;

namespace nf {

// The smallest size a shrunk text takes.
constexpr int kSmallestFitPoints = 7;

// Gives the widget its designed font again and, while `fits` says no, shrinks it in whole
// points (15.75 becomes 15, then 14, and so on), never below the smallest size. For texts not
// written for the control's size: translations.
void shrinkFontToFit(QWidget& widget, double designedPoints, const std::function<bool()>& fits);

// The part of the widget that the visible controls drawn over it (its later siblings) hide,
// in its own coordinates; `drawn` tells what part of its rectangle each of them draws.
QRegion partCoveredFromAbove(const QWidget& widget,
                             const std::function<QRect(const QWidget& above)>& drawn);

// Whether any pixel of the picture in the region is not fully transparent.
bool anyPixelIn(const QImage& picture, const QRegion& region);

} // namespace nf
