#include "WindowShot.h"

#include "platform/FormWindow.h"
#include "platform/GameFolder.h"
#include "screens/ScreenBuilder.h"

#include <QCoreApplication>
#include <memory>

namespace nf {

QImage renderWindow(const WindowSpec& design, const GameFolder& folder) {
    std::unique_ptr<FormWindow> window(buildWindow(design, folder));
    loadCataloguePictures(*window, design, folder);
    window->show();
    QCoreApplication::processEvents();
    return window->grab().toImage();
}

} // namespace nf
