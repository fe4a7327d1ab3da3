#include "Fonts.h"

#include "GameTexts.h"

#include <QFontDatabase>
#include <cmath>

namespace nf {
namespace {

// Debian's fonts-wine puts Tahoma where fontconfig does not look. It is added to the
// application's fonts when a window first asks for it: the title screen does not, and start-up
// is quicker without reading the file.
bool tahomaAvailable() {
    static const bool loaded =
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")) >= 0;
    return loaded;
}

// The designed faces lack Japanese and Chinese letters, and the system's own choice of a face
// for them may take Chinese forms for Japanese or the reverse: Noto CJK (fonts-noto-cjk) in the
// language's own forms comes after the designed face.
QStringList scriptFaces(const QString& language, bool serif) {
    const QString kind =
        serif ? QStringLiteral("Noto Serif CJK ") : QStringLiteral("Noto Sans CJK ");
    if (language == QLatin1String("ja"))
        return {kind + QLatin1String("JP")};
    if (language.startsWith(QLatin1String("zh")))
        return {kind + QLatin1String("SC")};
    return {};
}

} // namespace

int Fonts::pixelSize(double points) {
    return static_cast<int>(std::lround(points / 0.75));
}

// Only the regular face of Tahoma is added: the bold file of fonts-wine draws hardly heavier
// than the regular one, while Qt's emboldening of the regular face looks as bold Tahoma should.
QString Fonts::family(const QString& face) {
    if (face.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0 && tahomaAvailable())
        return QStringLiteral("Tahoma");
    if (face.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

QFont Fonts::font(const QString& face, double points, bool bold) {
    return font(face, points, bold, gameLanguage());
}

QFont Fonts::font(const QString& face, double points, bool bold, const QString& language) {
    QFont f(family(face));
    const QStringList faces =
        scriptFaces(language, f.family() == QLatin1String("Liberation Serif"));
    if (!faces.isEmpty())
        f.setFamilies(QStringList{f.family()} + faces);
    f.setPixelSize(pixelSize(points));
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Whole-pixel letter widths, as on the desktop the layout was designed for: with
    // fractional ones some captions that fit their labels there would wrap here.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace nf
