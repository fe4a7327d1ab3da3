#include "front/TitleControls.h"
#include "platform/FormWindow.h"
#include "platform/GameFolder.h"
#include "platform/PictureBoxControl.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace nf {
namespace {

// Run with QT_SCALE_FACTOR=2: the title screen keeps its designed layout and shows its
// picture pixel for pixel from the picture made with twice the pixels.
TEST(HiDpi, PicturesShowAtFullResolutionOnDenseScreens) {
    if (qApp->devicePixelRatio() < 2)
        GTEST_SKIP() << "needs a screen with a device pixel ratio of 2";
    const GameFolder folder(NINEFOLD_DATA_DIR);
    std::unique_ptr<FormWindow> window(buildWindow(titlefrmSpec(), folder));
    loadCataloguePictures(*window, titlefrmSpec(), folder);
    window->show();
    PictureBoxControl* box = resolveTitle(*window).picture;
    EXPECT_EQ(box->size(), QSize(324, 208)) << "the layout stays as designed";
    EXPECT_EQ(box->picture().devicePixelRatio(), 2);
    const QImage shot = window->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(726, 876));
    const QImage dense(folder.path("Images\\opening@2x.jpg"));
    const QPoint corner = box->mapTo(window.get(), QPoint(2, 2)) * 2;
    int same = 0;
    for (int y = 0; y < dense.height(); y += 7)
        for (int x = 0; x < dense.width(); x += 7)
            same += shot.pixelColor(corner + QPoint(x, y)) == dense.pixelColor(x, y) ? 1 : 0;
    EXPECT_GT(same, (dense.width() / 7) * (dense.height() / 7) * 9 / 10);
}

} // namespace
} // namespace nf
