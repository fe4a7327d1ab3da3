#include "platform/CheckBoxControl.h"

#include <QTest>
#include <gtest/gtest.h>

namespace nf {
namespace {

// How the controls draw is in the documented screenshots, compared to the byte.
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
