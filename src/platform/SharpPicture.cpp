#include "SharpPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace nf {

// Read in the format its suffix names, and only in that one: otherwise Qt would load every
// image plugin it has to ask each whether it knows the format, before its own PNG reader.
bool loadPicture(QPixmap& picture, const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    picture = QPixmap::fromImage(image);
    return true;
}

QPixmap loadSharpPicture(const QString& path, qreal devicePixelRatio) {
    QPixmap picture;
    if (devicePixelRatio > 1) {
        const QFileInfo file(path);
        const QString dense =
            QDir(file.path())
                .filePath(file.completeBaseName() + QLatin1String("@2x.") + file.suffix());
        if (loadPicture(picture, dense)) {
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    loadPicture(picture, path);
    return picture;
}

} // namespace nf
