#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace nf {

void DesktopOpener::open(const QString& target) {
    const QUrl url = target.contains(QLatin1String("://"))
                         ? QUrl(target)
                         : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    QDesktopServices::openUrl(url);
}

} // namespace nf
