#pragma once

#include <QRect>
#include <cmath>

namespace nf {

// The designed layout is in twips, 15 to the pixel; Qt scales pixels on dense screens.
constexpr int kTwipsPerPixel = 15;

inline int pixels(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

} // namespace nf
