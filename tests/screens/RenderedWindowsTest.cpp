#include "board/BoardControls.h"
#include "platform/CheckBoxControl.h"
#include "platform/FormWindow.h"
#include "platform/GameFolder.h"
#include "platform/LabelControl.h"
#include "platform/Twips.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"
#include "shot/ScreensInPlay.h"
#include "shot/WindowShot.h"
#include "support/Pixels.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace nf {
namespace {
using test::countPixels;
using test::is;
using test::rowSpan;

const QColor kBlue(0, 0, 255), kYellow(255, 255, 0);

QImage render(const WindowSpec& design) {
    return renderWindow(design, GameFolder(NINEFOLD_DATA_DIR));
}

// Where a control lies in the rendered window, whose border (if any) comes first.
QRect placeOf(const WindowSpec& design, const ControlSpec& c) {
    return twipsRect(c.left, c.top, c.width, c.height).translated(design.border, design.border);
}

// The board as created, its controls found as the board window finds them.
class Board : public ::testing::Test {
protected:
    const WindowSpec design = ninefoldSpec();
    const QImage shot = render(design);
    const std::unique_ptr<FormWindow> window{buildWindow(design, GameFolder(NINEFOLD_DATA_DIR))};
    const BoardControls ui = completeBoard(*window, design, {});
};

TEST_F(Board, BlueBehindEverythingAndTheScoreLabelsInTheirColours) {
    ASSERT_EQ(shot.size(), QSize(794, 614));
    EXPECT_EQ(shot.pixelColor(400, 560), kBlue);
    EXPECT_EQ(shot.pixelColor(5, 610), kBlue);
    const QRect red = ui.totals[0]->geometry().adjusted(2, 2, -2, -2);
    EXPECT_GT(countPixels(shot, red, is(Qt::red)), red.width() * red.height() / 2);
    EXPECT_GT(countPixels(shot, red, is(Qt::white)), 40) << "a white 0";
    const QRect magenta = ui.totals[1]->geometry().adjusted(2, 2, -2, -2);
    EXPECT_GT(countPixels(shot, magenta, is(Qt::magenta)), magenta.width() * magenta.height() / 2);
    EXPECT_GT(countPixels(shot, magenta, is(Qt::black)), 40) << "a black 0";
}

TEST_F(Board, TheBoxIsAThreePixelYellowOutlineBehindTheTiles) {
    const QRect box = ui.frame->geometry();
    const int midY = box.center().y();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(shot.pixelColor(box.left() + i, midY), kYellow);
        EXPECT_EQ(shot.pixelColor(box.right() - i, midY), kYellow);
        EXPECT_EQ(shot.pixelColor(box.center().x(), box.top() + i), kYellow);
    }
    EXPECT_EQ(shot.pixelColor(box.left() + 3, midY), kBlue);
    EXPECT_EQ(shot.pixelColor(box.center().x(), box.top() + 3), kBlue);
    const QRect tile = ui.numbers[0]->geometry();
    EXPECT_EQ(shot.pixelColor(tile.left() + 4, tile.bottom() - 4), QColor(Qt::black));
}

TEST_F(Board, TheFirstTileIsBlackWithARedOneAboutFortyEightPixelsHigh) {
    const QRect tile = ui.numbers[0]->geometry().adjusted(2, 2, -2, -2);
    EXPECT_GT(countPixels(shot, tile, is(Qt::black)), tile.width() * tile.height() / 2);
    const auto [top, bottom] = rowSpan(shot, tile, is(Qt::red));
    ASSERT_GE(top, 0);
    EXPECT_NEAR(bottom - top + 1, 48 * 0.72, 4) << "the figure of a 48-pixel font";
}

TEST_F(Board, TheHiddenCheckBoxIsNotDrawn) {
    const QRect box = ui.singleDie->geometry();
    const QRect clearOfCaption(box.left(), box.top(), ui.round->geometry().left() - box.left(),
                               box.height());
    EXPECT_EQ(countPixels(shot, clearOfCaption, is(kBlue)),
              clearOfCaption.width() * clearOfCaption.height());
}

// The classic sunken edge: dark grey and black lines at the top left, white and light grey at
// the bottom right.
bool hasSunkenEdge(const QImage& shot, const QRect& r) {
    const int y = r.center().y();
    return shot.pixelColor(r.left(), y) == QColor(128, 128, 128) &&
           shot.pixelColor(r.left() + 1, y) == QColor(64, 64, 64) &&
           shot.pixelColor(r.right(), y) == QColor(Qt::white);
}

TEST(RenderedWindows, SunkenEdgesWhereTheCatalogueHasThemAndNowhereElse) {
    for (const char* name : {"ninefold", "Startplay2", "Doreroduzad2", "Titlefrm"}) {
        const WindowSpec design = *findWindowSpec(name);
        const QImage shot = render(design);
        for (const ControlSpec& c : design.controls) {
            const bool drawn = c.kind == ControlKind::Label || c.kind == ControlKind::Image ||
                               c.kind == ControlKind::PictureBox;
            if (!drawn || c.hidden || !c.parent.empty() || c.fitsText)
                continue;
            SCOPED_TRACE(std::string(name) + " " + c.name + "(" + std::to_string(c.index) + ")");
            QRect r = placeOf(design, c).intersected(shot.rect());
            if (!c.picture.empty() && c.kind == ControlKind::Image)
                r.setSize(
                    QImage(GameFolder(NINEFOLD_DATA_DIR).path(QString::fromStdString(c.picture)))
                        .size());
            EXPECT_EQ(hasSunkenEdge(shot, r), c.sunken);
        }
    }
}

TEST(RenderedWindows, RulesPagesAreExactlyTheStandardSizeWithAOnePixelBorder) {
    for (const WindowSpec& design : {doreroduzadSpec(), doreroduzad2Spec(), doreroduzad2bSpec()}) {
        SCOPED_TRACE(design.name);
        const QImage shot = render(design);
        ASSERT_EQ(shot.size(), QSize(800, 600));
        for (const QPoint& edge :
             {QPoint(0, 300), QPoint(799, 300), QPoint(400, 0), QPoint(400, 599)})
            EXPECT_EQ(shot.pixelColor(edge), QColor(Qt::black));
        EXPECT_EQ(shot.pixelColor(1, 300), kBlue);
        EXPECT_EQ(shot.pixelColor(798, 598), kBlue);
        std::unique_ptr<FormWindow> window(buildWindow(design, GameFolder(NINEFOLD_DATA_DIR)));
        EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint) << "no title bar";
    }
}

// The README's screenshots are what the renderer draws today, to the byte, so that rendering
// them again as the README says leaves the checkout as it was.
TEST(RenderedWindows, TheDocumentedScreenshotsAreWhatTheRendererDraws) {
    const QDir docs(QStringLiteral(NINEFOLD_SOURCE_DIR "/docs/screenshots"));
    const auto shots = renderScreensInPlay(QStringLiteral(NINEFOLD_DATA_DIR));
    EXPECT_EQ(docs.entryList({QStringLiteral("*.png")}).size(), qsizetype(shots.size()));
    for (const auto& [name, image] : shots) {
        QByteArray png;
        QBuffer buffer(&png);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
        QFile file(docs.filePath(name + QLatin1String(".png")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray committed = file.readAll();
        EXPECT_TRUE(png == committed)
            << name.toStdString()
            << (QImage::fromData(committed) == image
                    ? ": the same picture in other bytes"
                    : ": another picture; render again: ninefold-shot --in-play --out "
                      "docs/screenshots");
    }
}

} // namespace
} // namespace nf
