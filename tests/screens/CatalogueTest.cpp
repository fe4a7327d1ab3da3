#include "platform/CheckBoxControl.h"
#include "platform/FormWindow.h"
#include "platform/GameFolder.h"
#include "platform/LabelControl.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace nf {
namespace {

std::unique_ptr<FormWindow> build(const WindowSpec& design) {
    return std::unique_ptr<FormWindow>(buildWindow(design, GameFolder(NINEFOLD_DATA_DIR)));
}

TEST(Catalogue, EveryControlIsBuiltAndFoundByNameAndIndex) {
    for (const WindowSpec& design : allWindowSpecs()) {
        SCOPED_TRACE(design.name);
        auto window = build(design);
        for (const ControlSpec& c : design.controls) {
            QWidget* w = window->widget(QString::fromStdString(c.name), c.index);
            EXPECT_EQ(w == nullptr, c.kind == ControlKind::Timer)
                << c.name << "(" << c.index << ")";
        }
        EXPECT_EQ(window->windowIcon().availableSizes().size(), design.icon.empty() ? 0 : 3);
    }
    EXPECT_EQ(allWindowSpecs().size(), 8u);
}

TEST(Catalogue, ClicksReachTheArraysHandlerWithTheIndexUnlessHiddenOrDisabled) {
    auto window = build(startplay2Spec());
    window->show();
    std::vector<int> clicked;
    window->onClick("Label1", [&](int index) { clicked.push_back(index); });
    auto* three = window->control<LabelControl>("Label1", 2);
    QTest::mouseClick(window->control<LabelControl>("Label1", 3), Qt::LeftButton);
    QTest::mouseClick(three, Qt::LeftButton);
    three->setEnabled(false);
    QTest::mouseClick(three, Qt::LeftButton);
    three->setEnabled(true);
    three->hide();
    QTest::mouseClick(three, Qt::LeftButton);
    EXPECT_EQ(clicked, (std::vector<int>{3, 2}));

    int boxClicks = 0;
    window->onClick("Check1", [&](int) { ++boxClicks; });
    auto* box = window->control<CheckBoxControl>("Check1");
    box->setChecked(!box->isChecked()); // the program's change runs the click handler too
    EXPECT_EQ(boxClicks, 1);
}

} // namespace
} // namespace nf
