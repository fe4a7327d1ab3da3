#include "engine/DisplayModel.h"
#include "engine/Game.h"
#include "engine/VirtualScheduler.h"
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

std::unique_ptr<FormWindow> build(const WindowSpec& spec) {
    return std::unique_ptr<FormWindow>(buildWindow(spec, GameFolder(NINEFOLD_DATA_DIR)));
}

TEST(Catalogue, EveryControlIsBuiltAndFoundByNameAndIndex) {
    for (const WindowSpec& spec : allWindowSpecs()) {
        SCOPED_TRACE(spec.name);
        auto window = build(spec);
        for (const ControlSpec& c : spec.controls) {
            QWidget* w = window->widget(QString::fromStdString(c.name), c.index);
            EXPECT_EQ(w == nullptr, c.kind == ControlKind::Timer)
                << c.name << "(" << c.index << ")";
        }
    }
    EXPECT_EQ(allWindowSpecs().size(), 8u);
}

TEST(Catalogue, ClicksReachTheArraysHandlerWithTheIndexUnlessHiddenOrDisabled) {
    auto window = build(ninefoldSpec());
    window->show();
    std::vector<int> clicked;
    window->onClick("Label2", [&](int index) { clicked.push_back(index); });
    auto* throwDice = window->control<LabelControl>("Label2", 3);
    QTest::mouseClick(window->control<LabelControl>("Label2", 4), Qt::LeftButton);
    QTest::mouseClick(throwDice, Qt::LeftButton);
    throwDice->setEnabled(false);
    QTest::mouseClick(throwDice, Qt::LeftButton);
    throwDice->setEnabled(true);
    throwDice->hide();
    QTest::mouseClick(throwDice, Qt::LeftButton);
    EXPECT_EQ(clicked, (std::vector<int>{4, 3}));

    int boxClicks = 0;
    window->onClick("Check1", [&](int) { ++boxClicks; });
    auto* box = window->control<CheckBoxControl>("Check1");
    box->setChecked(true); // the program's change runs the click handler too
    EXPECT_EQ(boxClicks, 1);
}

// The board's timers belong to the game; their designed intervals are the catalogue's.
TEST(Catalogue, BoardTimersAreTheGamesTimers) {
    MatchState match;
    DisplayModel shown;
    VirtualScheduler scheduler;
    SeededRandom random;
    SystemClock clock;
    Game game(match, shown, scheduler, random, clock);
    const WindowSpec spec = ninefoldSpec();
    for (const Timer* t : {&game.Timer1, &game.Timer2, &game.Timer3, &game.Timer5, &game.Timer8}) {
        const ControlSpec* c = spec.find(t->name());
        ASSERT_NE(c, nullptr) << t->name();
        EXPECT_EQ(c->interval, t->interval()) << t->name();
    }
}

TEST(Catalogue, TheComputersBoardDiffersOnlyWhereDesigned) {
    const WindowSpec people = ninefoldSpec(), computer = ninefoldcompSpec();
    EXPECT_EQ(computer.controls.front().name, "Timer6");
    EXPECT_EQ(computer.controls.back().name, "Label7");
    EXPECT_EQ(computer.controls.size(), people.controls.size() + 3);
    for (const ControlSpec& c : people.controls) {
        const ControlSpec* twin = computer.find(c.name, c.index);
        ASSERT_NE(twin, nullptr);
        const bool moved = c.left != twin->left || c.top != twin->top || c.height != twin->height;
        EXPECT_EQ(moved, c.name == "Label5") << c.name;
    }
    EXPECT_TRUE(computer.find("Label5", 2)->hidden && computer.find("Label5", 3)->hidden);
}

} // namespace
} // namespace nf
