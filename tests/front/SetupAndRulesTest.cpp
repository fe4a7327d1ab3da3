#include "front/DiceTryOut.h"
#include "front/RulesPage.h"
#include "platform/CheckBoxControl.h"
#include "support/ProgramHarness.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace nf {
namespace {
using test::ProgramHarness;

TEST(SetupScreen, HideDesktopOnlyOnScreensWiderThan800Pixels) {
    ProgramHarness p;
    p.onTitle("Label5");
    auto* hide = p.setup()->control<CheckBoxControl>("Check3");
    const bool wide = QGuiApplication::primaryScreen()->geometry().width() > 800;
    ASSERT_EQ(hide->isVisible(), wide);
    EXPECT_TRUE(hide->isChecked());
    if (!wide)
        return;
    QTest::mouseClick(hide, Qt::LeftButton, {}, QPoint(8, hide->height() / 2));
    test::TestEnvironment::discardClosed();
    EXPECT_EQ(p.match.HideDesktop, 0);
    EXPECT_EQ(p.program.backdropWindow(), nullptr);
    QTest::mouseClick(hide, Qt::LeftButton, {}, QPoint(8, hide->height() / 2));
    EXPECT_EQ(p.match.HideDesktop, 1);
    EXPECT_NE(p.program.backdropWindow(), nullptr);
}

TEST(SetupScreen, EachNumberOpensItsBoardAndPageOneClosesWithTheSetup) {
    for (int index : {0, 1, 2, 3}) {
        SCOPED_TRACE(index);
        ProgramHarness p;
        p.onTitle("Label5");
        p.onSetup("Label6");
        ASSERT_NE(p.rules(1), nullptr);
        p.onSetup("Label1", index);
        EXPECT_EQ(p.rules(1), nullptr);
        EXPECT_EQ(p.match.PlayerCount, index == 0 ? 2 : index + 1);
        EXPECT_EQ(p.match.ComputerGame, index == 0 ? 1 : 0);
        EXPECT_EQ(p.board()->objectName().toStdString(), index == 0 ? "ninefoldcomp" : "ninefold");
        EXPECT_EQ(p.boardUi().totals[3]->isVisible(), index == 3);
    }
}

TEST(SetupScreen, ThreeLabelsOpenThePublishersAddressSilently) {
    ProgramHarness p;
    p.onTitle("Label5");
    p.sound.played.clear();
    for (int index : {0, 1, 12})
        p.onSetup("Label2", index);
    EXPECT_EQ(p.opener.opened, QStringList(3, "http://ninefold.example.org"));
    EXPECT_TRUE(p.sound.played.isEmpty());
    p.onSetup("Label3", 0);
    EXPECT_NE(p.title(), nullptr);
}

TEST(RulesPages, MoveBetweenPagesAndOpenTheDocument) {
    ProgramHarness p;
    p.onTitle("Label5");
    p.onSetup("Label6");
    p.sound.played.clear();
    p.click(*p.rules(1), "Label3", 1);
    p.click(*p.rules(2), "Label3", 1);
    ASSERT_NE(p.rules(3), nullptr);
    EXPECT_EQ(p.rules(2), nullptr);
    EXPECT_FALSE(p.rules(3)->widget("Label3", 1)) << "no next page after the last";
    p.click(*p.rules(3), "Label2");
    EXPECT_EQ(p.opener.opened, QStringList{p.dir.filePath("Ninefold Rules.doc")});
    p.click(*p.rules(3), "Label3", 2);
    p.click(*p.rules(2), "Label3", 2);
    p.click(*p.rules(1), "Label3", 0);
    EXPECT_EQ(p.rules(1), nullptr);
    EXPECT_EQ(p.sound.played, QStringList(6, "click.wav"));
    EXPECT_NE(p.setup(), nullptr) << "the setup screen stays open under the pages";
}

// Page 2's dice: returns the two visible faces' texts after the given time.
struct TryOut {
    ProgramHarness p;
    FormWindow* page = nullptr;
    explicit TryOut(int sound) {
        p.onTitle("Label5");
        p.match.SoundOn = static_cast<i16>(sound);
        p.program.showRulesPage(2);
        page = p.rules(2);
    }
    QString face(int die) const { return p.text(*page, "Label4", die); }
};

TEST(RulesPages, TheTryOutSettlesLaterWithSoundThanWithout) {
    for (int sound : {1, 0}) {
        SCOPED_TRACE(sound);
        TryOut t(sound);
        const int rollFrom = sound ? 1200 : 100, first = sound ? 1500 : 300;
        t.p.random.afterReseeds.push_back({0.015, 0.2, 0.015, 0.9, 0.015, 0.5, 0.015, 0.6});
        t.p.click(*t.page, "Label2");
        EXPECT_EQ(t.p.sound.played.contains("cupdice.wav"), sound == 1);
        t.p.wait(rollFrom - 1);
        EXPECT_TRUE(t.face(0).isEmpty());
        EXPECT_FALSE(t.page->widget("Label4", 0)->isEnabled());
        t.p.wait(1);
        EXPECT_FALSE(t.face(0).isEmpty()) << "rolling";
        EXPECT_TRUE(t.page->widget("Label4", 0)->isEnabled());
        t.p.wait(first - rollFrom);
        EXPECT_EQ(t.face(0), "2");
        t.p.wait(250);
        EXPECT_EQ(t.face(1), "6");
    }
}

TEST(RulesPages, ASecondThrowWhileRollingStartsOver) {
    TryOut t(0);
    t.p.click(*t.page, "Label2");
    t.p.wait(200);
    t.p.random.afterReseeds.push_back({0.0, 0.0, 0.0, 0.0}); // no draws at all: faces show 1
    t.p.click(*t.page, "Label2");
    EXPECT_TRUE(t.face(0).isEmpty()) << "blanked again";
    t.p.wait(299);
    EXPECT_TRUE(t.face(0).isEmpty() || t.face(0) == "1");
    t.p.wait(1);
    EXPECT_EQ(t.face(0), "1");
    t.p.wait(250);
    EXPECT_EQ(t.face(1), "1");
}

} // namespace
} // namespace nf
