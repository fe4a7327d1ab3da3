#include "front/SetupControls.h"
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
    int boxClicks = 0;
    const auto none = [] {};
    connectSetup(*window, {[&] { ++boxClicks; }, none, [&](int n) { clicked.push_back(n); }, none,
                           none, none});
    const SetupControls ui = resolveSetup(*window);
    LabelControl* three = ui.players[2];
    QTest::mouseClick(ui.players[3], Qt::LeftButton);
    QTest::mouseClick(three, Qt::LeftButton);
    three->setEnabled(false);
    QTest::mouseClick(three, Qt::LeftButton);
    three->setEnabled(true);
    three->hide();
    QTest::mouseClick(three, Qt::LeftButton);
    EXPECT_EQ(clicked, (std::vector<int>{4, 3}));

    ui.playSound->setChecked(!ui.playSound->isChecked()); // the program's change clicks too
    EXPECT_EQ(boxClicks, 1);
}

} // namespace
} // namespace nf
