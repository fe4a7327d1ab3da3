#pragma once

#include <QFont>
#include <QString>

namespace nf {

// The designed faces (Arial, Tahoma, Times New Roman) drawn with the faces this system has,
// at the designed pixel sizes (0.75 point to the pixel) whatever the screen's resolution.
// Japanese and Chinese take their letters from a face that has them, in the forms of the
// language's own writing; the designed face still draws the Latin letters and the digits.
class Fonts {
public:
    // Call only once the application object exists. In the installed language (gameLanguage).
    static QFont font(const QString& face, double points, bool bold);
    // In the language given ("ja", "zh_CN"; empty for English).
    static QFont font(const QString& face, double points, bool bold, const QString& language);
    static int pixelSize(double points);
    static QString family(const QString& face);
};

} // namespace nf
