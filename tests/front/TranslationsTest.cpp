#include "board/BoardTexts.h"
#include "engine/Players.h"
#include "front/TextsToTranslate.h"
#include "platform/CheckBoxControl.h"
#include "platform/Fonts.h"
#include "platform/GameTexts.h"
#include "platform/TextFit.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"
#include "support/BoardHarness.h"
#include "support/ProgramHarness.h"

#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace nf {
namespace {

const char* const kLanguages[] = {"de", "es", "fr", "nl"};

// Each language for a while, from the build's translations, then English again for the tests
// that follow.
struct Speaking {
    explicit Speaking(const char* language) {
        EXPECT_EQ(installTranslation(GameFolder(QStringLiteral(NINEFOLD_DATA_DIR)),
                                     QLocale(QLatin1String(language))),
                  QLatin1String(language));
    }
    ~Speaking() { removeTranslation(); }
};

TEST(Translations, EveryTextHasOneInEveryLanguageWithItsPlaceholders) {
    const test::TestEnvironment env;
    for (const char* language : kLanguages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(
            env.dir.filePath(QStringLiteral("translations/ninefold_%1.qm").arg(language))));
        for (const std::string& text : textsToTranslate()) {
            const QString said = translator.translate("Ninefold", text.c_str());
            EXPECT_FALSE(said.isEmpty()) << language << ": " << text;
            for (const char* mark : {"%1", "%2"})
                EXPECT_EQ(said.contains(QLatin1String(mark)), text.find(mark) != std::string::npos)
                    << language << ": " << text;
        }
    }
}

// Whether the control shows all its text in a font no smaller than the smallest allowed.
void expectFits(QWidget* control, const char* language) {
    SCOPED_TRACE(std::string(language) + " " + control->objectName().toStdString());
    if (auto* label = qobject_cast<LabelControl*>(control)) {
        EXPECT_GE(label->font().pixelSize(), Fonts::pixelSize(kSmallestFitPoints));
        EXPECT_TRUE(label->textFits()) << label->text().toStdString();
    } else if (auto* box = qobject_cast<CheckBoxControl*>(control)) {
        EXPECT_GE(box->font().pixelSize(), Fonts::pixelSize(kSmallestFitPoints));
        EXPECT_TRUE(box->textFits()) << box->text().toStdString();
    }
}

// Every window in every language, and the board with every message it can show: no text
// runs over its control, none is shrunk below 7 points.
TEST(Translations, EveryTextFitsItsControlInEveryLanguage) {
    for (const char* language : kLanguages) {
        const Speaking speaking(language);
        test::BoardHarness h;
        for (const WindowSpec& design : allWindowSpecs()) {
            const std::unique_ptr<FormWindow> window(buildWindow(design, h.services.folder()));
            for (QWidget* control : window->client()->findChildren<QWidget*>())
                expectFits(control, language);
        }
        h.openNew(4);
        std::vector<std::string> messages{kTurnOverMessage, kDrawMessage};
        for (int player = 0; player < kPlayers; ++player) {
            messages.emplace_back(turnMessage(player));
            messages.emplace_back(winnerMessage(player));
        }
        for (const std::string& message : messages) {
            h.ui().message->showText(gameText(message));
            expectFits(h.ui().message, language);
        }
        for (int round = 1; round <= 5; ++round) {
            h.ui().round->showText(gameText(boardText::kRound).arg(round));
            expectFits(h.ui().round, language);
        }
        h.ui().round->showText(gameText(kEndOfGameCaption));
        expectFits(h.ui().round, language);
    }
}

// A German board speaks German, to screen readers too, and the rules page opens the German
// rules; without the translation every text is as written.
TEST(Translations, TheGameSpeaksTheInstalledLanguage) {
    {
        const Speaking speaking("de");
        test::ProgramHarness p;
        QFile::link(QStringLiteral(NINEFOLD_DATA_DIR "/Ninefold Rules.de.doc"),
                    p.dir.filePath("Ninefold Rules.de.doc"));
        EXPECT_EQ(test::TestEnvironment::text(*p.title(), "Label6"), "Letztes Spiel fortsetzen");
        p.onTitle("Label5");
        p.onSetup("Label6");
        p.click(*p.rules(1), "Label3", 1);
        p.click(*p.rules(2), "Label3", 1);
        p.click(*p.rules(3), "Label2");
        EXPECT_EQ(p.opener.opened, QStringList{p.dir.filePath("Ninefold Rules.de.doc")});
        p.onSetup("Label1", 1);
        EXPECT_EQ(p.boardUi().message->text(), "ROT IST DRAN");
        EXPECT_EQ(p.boardUi().round->text(), "RUNDE 1 VON 5");
        EXPECT_EQ(p.boardUi().totals[1]->accessibleName(), "Punkte von Magenta");
        p.throwDice(6, 6);
        p.wait(pauses::kTurnOverShown);
        EXPECT_EQ(p.boardUi().message->text(), "ZUG VORBEI");
    }
    test::ProgramHarness english;
    english.onTitle("Label5");
    english.onSetup("Label1", 1);
    EXPECT_EQ(english.boardUi().message->text(), "RED TO PLAY");
    EXPECT_EQ(english.boardUi().round->text(), "ROUND 1 OF 5");
}

} // namespace
} // namespace nf
