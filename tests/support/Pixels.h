#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

namespace nf::test {

inline QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// How many pixels of the area satisfy the test.
inline int countPixels(const QImage& image, const QRect& area,
                       const std::function<bool(const QColor&)>& test) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

inline std::function<bool(const QColor&)> is(const QColor& colour) {
    return [colour](const QColor& c) { return c.rgb() == colour.rgb(); };
}

// Rows (inclusive) in which some pixel of the area satisfies the test; {-1, -1} if none.
inline std::pair<int, int> rowSpan(const QImage& image, const QRect& area,
                                   const std::function<bool(const QColor&)>& test) {
    int first = -1, last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y))) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

} // namespace nf::test
