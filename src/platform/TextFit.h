#pragma once

#include <functional>

class QWidget;

namespace nf {

// The smallest size a shrunk text takes.
constexpr int kSmallestFitPoints = 7;

// Gives the widget its designed font again and, while `fits` says no, shrinks it in whole
// points (15.75 becomes 15, then 14, and so on), never below the smallest size. For texts not
// written for the control's size: translations.
void shrinkFontToFit(QWidget& widget, double designedPoints, const std::function<bool()>& fits);

} // namespace nf
