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
    p.click(p.titleUi().ok);
    CheckBoxControl* hide = p.setupUi().hideDesktop;
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
        p.click(p.titleUi().ok);
        p.click(p.setupUi().rules);
        ASSERT_NE(p.rules(1), nullptr);
        p.click(p.setupUi().players[static_cast<std::size_t>(index)]);
        EXPECT_EQ(p.rules(1), nullptr);
        EXPECT_EQ(p.match.PlayerCount, index == 0 ? 2 : index + 1);
        EXPECT_EQ(p.match.ComputerGame, index == 0 ? 1 : 0);
        EXPECT_EQ(p.board()->objectName().toStdString(), index == 0 ? "ninefoldcomp" : "ninefold");
        EXPECT_EQ(p.boardUi().totals[3]->isVisible(), index == 3);
    }
}

TEST(SetupScreen, ThreeLabelsOpenThePublishersAddressSilently) {
    ProgramHarness p;
    p.click(p.titleUi().ok);
    p.sound.played.clear();
    for (QWidget* line : {p.setupUi().prompt, p.setupUi().publisher, p.setupUi().address})
        p.click(line);
    EXPECT_EQ(p.opener.opened, QStringList(3, "http://ninefold.example.org"));
    EXPECT_TRUE(p.sound.played.isEmpty());
    p.click(p.setupUi().exit);
    EXPECT_NE(p.title(), nullptr);
}

TEST(RulesPages, MoveBetweenPagesAndOpenTheDocument) {
    ProgramHarness p;
    p.click(p.titleUi().ok);
    p.click(p.setupUi().rules);
    p.sound.played.clear();
    p.click(p.rulesUi(1).nextPage);
    p.click(p.rulesUi(2).nextPage);
    ASSERT_NE(p.rules(3), nullptr);
    EXPECT_EQ(p.rules(2), nullptr);
    EXPECT_EQ(p.rulesUi(3).nextPage, nullptr) << "no next page after the last";
    p.click(p.rulesUi(3).rulesDocument);
    EXPECT_EQ(p.opener.opened, QStringList{p.dir.filePath("Ninefold Rules.doc")});
    p.click(p.rulesUi(3).previousPage);
    p.click(p.rulesUi(2).previousPage);
    p.click(p.rulesUi(1).exit);
    EXPECT_EQ(p.rules(1), nullptr);
    EXPECT_EQ(p.sound.played, QStringList(6, "click.wav"));
    EXPECT_NE(p.setup(), nullptr) << "the setup screen stays open under the pages";
}

// Page 2's dice: returns the two visible faces' texts after the given time.
struct TryOut {
    ProgramHarness p;
    const RulesControls* page = nullptr;
    explicit TryOut(int sound) {
        p.click(p.titleUi().ok);
        p.match.SoundOn = static_cast<i16>(sound);
        p.program.showRulesPage(2);
        page = &p.rulesUi(2);
    }
    QString face(int die) const { return page->dice[static_cast<std::size_t>(die)]->text(); }
};

TEST(RulesPages, TheTryOutSettlesLaterWithSoundThanWithout) {
    for (int sound : {1, 0}) {
        SCOPED_TRACE(sound);
        TryOut t(sound);
        const int rollFrom = sound ? pauses::kTryOutRollsWithSound : pauses::kTryOutRollsSilently;
        const int first = sound ? pauses::kTryOutSettlesWithSound : pauses::kTryOutSettlesSilently;
        t.p.random.afterReseeds.push_back({0.015, 0.2, 0.015, 0.9, 0.015, 0.5, 0.015, 0.6});
        t.p.click(t.page->throwDice);
        EXPECT_EQ(t.p.sound.played.contains("cupdice.wav"), sound == 1);
        t.p.wait(rollFrom - 1);
        EXPECT_TRUE(t.face(0).isEmpty());
        EXPECT_FALSE(t.page->dice[0]->isEnabled());
        t.p.wait(1);
        EXPECT_FALSE(t.face(0).isEmpty()) << "rolling";
        EXPECT_TRUE(t.page->dice[0]->isEnabled());
        t.p.wait(first - rollFrom);
        EXPECT_EQ(t.face(0), "2");
        t.p.wait(pauses::kTryOutNextDieSettles);
        EXPECT_EQ(t.face(1), "6");
    }
}

TEST(RulesPages, ASecondThrowWhileRollingStartsOver) {
    TryOut t(0);
    t.p.click(t.page->throwDice);
    t.p.wait((pauses::kTryOutRollsSilently + pauses::kTryOutSettlesSilently) / 2); // rolling
    t.p.random.afterReseeds.push_back({0.0, 0.0, 0.0, 0.0}); // no draws at all: faces show 1
    t.p.click(t.page->throwDice);
    EXPECT_TRUE(t.face(0).isEmpty()) << "blanked again";
    t.p.wait(pauses::kTryOutSettlesSilently - 1);
    EXPECT_TRUE(t.face(0).isEmpty() || t.face(0) == "1");
    t.p.wait(1);
    EXPECT_EQ(t.face(0), "1");
    t.p.wait(pauses::kTryOutNextDieSettles);
    EXPECT_EQ(t.face(1), "1");
}

} // namespace
} // namespace nf
