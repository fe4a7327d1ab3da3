#include "platform/CheckBoxControl.h"
#include "platform/Fonts.h"
#include "platform/LabelControl.h"
#include "support/Pixels.h"

#include <QTest>
#include <gtest/gtest.h>

namespace nf {
namespace {
using test::countPixels;
using test::rowSpan;

const QColor kYellow(255, 255, 0), kBlue(0, 0, 255);

// A blue parent holding one yellow text label, rendered as the window would show it.
struct LabelOnBlue {
    QWidget parent;
    LabelControl* label = new LabelControl(&parent);
    LabelOnBlue(const QString& text, const QRect& geometry) {
        parent.resize(400, 200);
        parent.setAutoFillBackground(true);
        QPalette pal;
        pal.setColor(QPalette::Window, kBlue);
        parent.setPalette(pal);
        label->setFont(Fonts::font("Arial", 12, false));
        label->setForeColour(kYellow);
        label->setText(text);
        label->setGeometry(geometry);
        parent.show();
    }
    QImage render() { return parent.grab().toImage(); }
};

bool yellowish(const QColor& c) {
    return c.red() > 128 && c.green() > 128 && c.blue() < 128;
}

TEST(LabelControl, WrapsAtWordsAndCutsTextAtItsBottomEdge) {
    LabelOnBlue view("one two three four five six seven eight nine ten eleven twelve thirteen",
                     QRect(10, 10, 120, 40));
    const QImage image = view.render();
    const auto [top, bottom] = rowSpan(image, QRect(0, 0, 400, 200), yellowish);
    EXPECT_GE(top, 10);
    EXPECT_LE(bottom, 49) << "lines past the label's height are cut, not drawn below it";
    EXPECT_GT(bottom, 30) << "a second line is shown where it fits";
    EXPECT_EQ(countPixels(image, QRect(131, 0, 269, 200), yellowish), 0)
        << "wrapped within the width";
}

TEST(CheckBoxControl, AClickAnywhereOnItAndAProgramChangeBothToggle) {
    CheckBoxControl box;
    box.setText("Throw Just One Die");
    box.resize(225, 33);
    int changes = 0;
    QObject::connect(&box, &QCheckBox::toggled, [&] { ++changes; });
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(200, 16)); // past the end of the caption
    EXPECT_TRUE(box.isChecked());
    box.setChecked(false);
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace nf
