#include "board/BoardTexts.h"
#include "engine/GameFiles.h"
#include "engine/Players.h"
#include "platform/CheckBoxControl.h"
#include "platform/Fonts.h"
#include "platform/GameTexts.h"
#include "platform/SpokenStatus.h"
#include "platform/TextFit.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"
#include "support/BoardHarness.h"
#include "support/ProgramHarness.h"

#include <QFile>
#include <QPainter>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace nf {
namespace {

// Each language for a while, from the build's translations, then English again for the tests
// that follow.
struct Speaking {
    explicit Speaking(const std::string& language) {
        const QString code = QString::fromStdString(language);
        EXPECT_EQ(installTranslation(GameFolder(QStringLiteral(NINEFOLD_DATA_DIR)), QLocale(code)),
                  code);
    }
    ~Speaking() { removeTranslation(); }
};

// Every text of the .ts files, as lupdate keeps them, has a finished translation in every
// language, which the built .qm file gives, with the placeholders of its source text.
TEST(Translations, EveryTextHasOneInEveryLanguageWithItsPlaceholders) {
    const test::TestEnvironment env;
    for (std::string_view code : translatedLanguages) {
        const QString language = QLatin1String(code);
        QTranslator translator;
        ASSERT_TRUE(translator.load(
            env.dir.filePath(QStringLiteral("translations/ninefold_%1.qm").arg(language))));
        QFile ts(QStringLiteral(NINEFOLD_SOURCE_DIR "/translations/ninefold_%1.ts").arg(language));
        ASSERT_TRUE(ts.open(QIODevice::ReadOnly)) << code;
        QXmlStreamReader xml(&ts);
        QByteArray context, source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText().toUtf8();
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText().toUtf8();
            if (xml.name() != QLatin1String("translation"))
                continue;
            const std::string where =
                std::string(code) + ": " + context.toStdString() + " " + source.toStdString();
            EXPECT_TRUE(xml.attributes().value(QLatin1String("type")).isEmpty()) << where;
            const QString said = translator.translate(context, source);
            EXPECT_FALSE(said.isEmpty()) << where;
            for (const char* mark : {"%1", "%2"})
                EXPECT_EQ(said.contains(QLatin1String(mark)), source.contains(mark)) << where;
        }
        EXPECT_FALSE(xml.hasError()) << code;
    }
}

// Whether the control shows all its text in a font no smaller than the smallest allowed, and
// no control drawn over it hides any of it: raised above the others, it looks the same.
void expectFits(QWidget* control, const std::string& language) {
    SCOPED_TRACE(language + " " + control->objectName().toStdString());
    if (auto* label = qobject_cast<LabelControl*>(control)) {
        EXPECT_GE(label->font().pixelSize(), Fonts::pixelSize(kSmallestFitPoints));
        EXPECT_TRUE(label->textFits()) << label->text().toStdString();
    } else if (auto* box = qobject_cast<CheckBoxControl*>(control)) {
        EXPECT_GE(box->font().pixelSize(), Fonts::pixelSize(kSmallestFitPoints));
        EXPECT_TRUE(box->textFits()) << box->text().toStdString();
    } else {
        return;
    }
    QWidget* parent = control->parentWidget();
    const QWidgetList order = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const qsizetype place = order.indexOf(control);
    const QImage inPlace = parent->grab(control->geometry()).toImage();
    control->raise();
    EXPECT_TRUE(parent->grab(control->geometry()).toImage() == inPlace)
        << "partly hidden under another control";
    if (place + 1 < order.size())
        control->stackUnder(order[place + 1]);
}

// Buttons of one kind (one designed font) show their captions in one size, the smallest any
// of them needs.
void expectButtonsOfAKindAlike(const WindowSpec& design, const FormWindow& window,
                               const std::string& language) {
    std::map<std::tuple<std::string, double, bool>, std::set<int>> sizes;
    for (const ControlSpec& c : design.controls)
        if (c.style == LabelStyle::Button)
            sizes[{c.font.face, c.font.points, c.font.bold}].insert(
                window.widget(QString::fromStdString(c.name), c.index)->font().pixelSize());
    for (const auto& [font, kind] : sizes)
        EXPECT_EQ(kind.size(), 1u) << language << " " << design.name << ": buttons in "
                                   << std::get<0>(font) << " " << std::get<1>(font);
}

// Every window in every language, and the board with every message it can show (the round's
// beside the single-die box): no text runs over its control or under another, none is shrunk
// below 7 points, and buttons of a kind keep one size.
TEST(Translations, EveryTextFitsItsControlInEveryLanguage) {
    for (std::string_view code : translatedLanguages) {
        const std::string language(code);
        const Speaking speaking(language);
        test::BoardHarness h;
        for (const WindowSpec& design : allWindowSpecs()) {
            const std::unique_ptr<FormWindow> window(buildWindow(design, h.services.folder()));
            loadCataloguePictures(*window, design, h.services.folder());
            window->show(); // laid out, to be looked at
            for (QWidget* control : window->client()->findChildren<QWidget*>())
                expectFits(control, language);
            expectButtonsOfAKindAlike(design, *window, language);
        }
        h.openNew(4);
        std::vector<Text> messages{kTurnOverMessage, kDrawMessage};
        for (int player = 0; player < kPlayers; ++player) {
            messages.emplace_back(turnMessage(player));
            messages.emplace_back(winnerMessage(player));
        }
        for (const Text& message : messages) {
            h.ui().message->showText(gameText(message));
            expectFits(h.ui().message, language);
        }
        h.ui().singleDie->show();
        for (int round = 1; round <= kRounds; ++round) {
            h.ui().round->showText(gameText(kRoundCaption).arg(round));
            expectFits(h.ui().round, language);
        }
        h.ui().round->showText(gameText(kEndOfGameCaption));
        expectFits(h.ui().round, language);
    }
}

// Where a picture differs from its top left pixel, cut to the rectangle that holds all of it.
QImage inkOf(const QImage& picture) {
    QImage ink(picture.size(), QImage::Format_Grayscale8);
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const bool drawn = picture.pixel(x, y) != picture.pixel(0, 0);
            ink.scanLine(y)[x] = drawn ? 255 : 0;
            box |= drawn ? QRect(x, y, 1, 1) : QRect();
        }
    return ink.copy(box);
}

// The text as the font draws it on its own, as the label places it.
QImage drawnBy(const QFont& font, const LabelControl& label, const QString& text) {
    QImage picture(label.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setFont(font);
    p.drawText(label.contentsRect(), static_cast<int>(label.alignment()), text);
    return picture;
}

// A board in Russian and in Japanese shows its message in the letters of the face that has
// them: the label's pixels are the text as that face draws it on its own, and no two letters
// look alike, as the one box a face draws for every letter it lacks would.
TEST(Translations, CyrillicAndJapaneseMessagesShowTheirLettersNotBoxes) {
    for (const auto& [language, face] :
         {std::pair{"ru", "Liberation Sans"}, std::pair{"ja", "Noto Sans CJK JP"}}) {
        SCOPED_TRACE(language);
        const Speaking speaking(language);
        test::BoardHarness h;
        h.openNew(2);
        LabelControl& message = *h.ui().message;
        ASSERT_EQ(message.text(), gameText(turnMessage(0)));
        QFont alone = message.font();
        alone.setFamilies({QString::fromLatin1(face)});
        EXPECT_EQ(inkOf(message.grab().toImage()), inkOf(drawnBy(alone, message, message.text())));
        const QString letters = QString(message.text()).remove(QLatin1Char(' '));
        QList<QImage> looks;
        for (const QChar letter : letters)
            if (const QImage ink = inkOf(drawnBy(message.font(), message, letter));
                !looks.contains(ink))
                looks << ink;
        EXPECT_EQ(looks.size(), QSet<QChar>(letters.begin(), letters.end()).size());
    }
}

// The picture an image control shows, as the pixels of a file.
QImage pixelsOf(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

// A German board speaks German, to screen readers too, and the rules pages show the German end
// of a match and open the German rules; without the translation every text and picture is as
// designed.
TEST(Translations, TheGameSpeaksTheInstalledLanguage) {
    {
        const Speaking speaking("de");
        test::ProgramHarness p;
        QFile::link(QStringLiteral(NINEFOLD_DATA_DIR "/Ninefold Rules.de.doc"),
                    p.dir.filePath("Ninefold Rules.de.doc"));
        EXPECT_EQ(p.titleUi().restart->text(), "Letztes Spiel fortsetzen");
        p.click(p.titleUi().ok);
        p.click(p.setupUi().rules);
        p.click(p.rulesUi(1).nextPage);
        p.click(p.rulesUi(2).nextPage);
        const QImage german(QStringLiteral(NINEFOLD_DATA_DIR "/Images/gameover.de.jpg"));
        ASSERT_FALSE(german.isNull());
        EXPECT_EQ(pixelsOf(p.rulesUi(3).picture->picture()),
                  german.convertToFormat(QImage::Format_RGB32));
        p.click(p.rulesUi(3).rulesDocument);
        EXPECT_EQ(p.opener.opened, QStringList{p.dir.filePath("Ninefold Rules.de.doc")});
        p.click(p.setupUi().players[1]);
        EXPECT_EQ(p.boardUi().message->text(), "ROT IST DRAN");
        EXPECT_EQ(p.boardUi().round->text(), "RUNDE 1 VON 5");
        EXPECT_EQ(p.boardUi().totals[1]->accessibleName(), "Punkte von Magenta, 0");
        p.throwDice(6, 6);
        p.wait(pauses::kTurnOverShown);
        EXPECT_EQ(p.boardUi().message->text(), "ZUG VORBEI");
        QCoreApplication::processEvents();
        EXPECT_EQ(p.program.board()->reader().status().said(),
                  "Gewürfelt: 6 und 6, ZUG VORBEI, Punkte von Rot 0, Punkte von Magenta 0");
    }
    test::ProgramHarness english;
    english.click(english.titleUi().ok);
    english.click(english.setupUi().rules);
    english.click(english.rulesUi(1).nextPage);
    english.click(english.rulesUi(2).nextPage);
    EXPECT_EQ(pixelsOf(english.rulesUi(3).picture->picture()),
              QImage(QStringLiteral(NINEFOLD_DATA_DIR "/Images/gameover.jpg"))
                  .convertToFormat(QImage::Format_RGB32));
    english.click(english.setupUi().players[1]);
    EXPECT_EQ(english.boardUi().message->text(), "RED TO PLAY");
    EXPECT_EQ(english.boardUi().round->text(), "ROUND 1 OF 5");
}

} // namespace
} // namespace nf
