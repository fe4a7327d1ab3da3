#pragma once

#include <QFont>
#include <QString>

namespace nf {

// The designed faces (Arial, Tahoma, Times New Roman) drawn with the faces this system has,
// at the designed pixel sizes (0.75 point to the pixel) whatever the screen's resolution.
class Fonts {
public:
    // Call only once the application object exists.
    static QFont font(const QString& face, double points, bool bold);
    static int pixelSize(double points);
    static QString family(const QString& face);
};

} // namespace nf
