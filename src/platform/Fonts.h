#pragma once

#include <QFont>
#include <QString>

namespace nf {

// The designed faces (Arial, Tahoma, Times New Roman) drawn with the faces this system has,
// at the designed pixel sizes (0.75 point to the pixel) whatever the screen's resolution.
class Fonts {
public:
    // Makes the Tahoma of Debian's fonts-wine usable when it is installed. Call once after
    // the application object exists.
    static void loadApplicationFonts();
    static QFont font(const QString& face, double points, bool bold);
    static int pixelSize(double points);
    static QString family(const QString& face);
};

} // namespace nf
