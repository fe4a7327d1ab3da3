#include "SharpPicture.h"

#include <QDir>
#include <QFileInfo>

namespace nf {

QPixmap loadSharpPicture(const QString& path, qreal devicePixelRatio) {
    QPixmap picture;
    if (devicePixelRatio > 1) {
        const QFileInfo file(path);
        const QString dense =
            QDir(file.path())
                .filePath(file.completeBaseName() + QLatin1String("@2x.") + file.suffix());
        if (picture.load(dense)) {
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    picture.load(path);
    return picture;
}

} // namespace nf
