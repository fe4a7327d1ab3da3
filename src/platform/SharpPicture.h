#pragma once

#include <QPixmap>
#include <QString>

namespace nf {

// Loads a picture file for a screen of the given device pixel ratio: on dense screens the
// file with twice the pixels beside it ("board@2x.jpg"), when there is one, shown at the
// picture's size. A null pixmap when nothing loads.
QPixmap loadSharpPicture(const QString& path, qreal devicePixelRatio);

// Loads a picture file in the format its suffix names; false when it does not load.
bool loadPicture(QPixmap& picture, const QString& path);

} // namespace nf
