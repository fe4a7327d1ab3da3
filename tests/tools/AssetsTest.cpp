#include "assets/AssetList.h"
#include "assets/Wav.h"
#include "engine/GameFiles.h"
#include "platform/GameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace nf::assets {
namespace {

const QDir kData(QStringLiteral(NINEFOLD_DATA_DIR));

QByteArray readAll(const QString& path) {
    QFile f(kData.filePath(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(GeneratedData, EveryPictureLoadsAtTheSizeOfItsPlace) {
    for (const PictureFile& file : pictureFiles())
        EXPECT_EQ(QImage(kData.filePath(file.path)).size(), file.size) << file.path.toStdString();
}

TEST(GeneratedData, SoundsAreShortAudiblePcmThatNeverClips) {
    for (const QString& path : soundFiles()) {
        SCOPED_TRACE(path.toStdString());
        const auto wav = decodeWav(readAll(path));
        ASSERT_TRUE(wav.has_value());
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_EQ(wav->channels, 1);
        const double seconds = double(wav->samples.size()) / wav->sampleRate;
        EXPECT_LE(seconds, path.contains("gong") ? 3.5 : 1.5);
        EXPECT_GE(seconds, path.contains("gong") ? 2.0 : 0.03);
        int peak = 0;
        double energy = 0;
        for (qint16 s : wav->samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
        }
        EXPECT_LT(peak, 32767);
        EXPECT_GT(peak, 8000);
        EXPECT_GT(std::sqrt(energy / wav->samples.size()), 300.0) << "not silent";
    }
}

// Every file the game names is made by the build, where the game's folder finds it, in every
// language the build translates the game into.
TEST(GeneratedData, EveryFileTheGameNamesIsMade) {
    const GameFolder folder(QStringLiteral(NINEFOLD_DATA_DIR));
    for (std::string_view name : files::dataFiles())
        EXPECT_TRUE(QFileInfo(folder.path(gameName(name))).isFile()) << name;
    QStringList languages;
    for (std::string_view language : translatedLanguages)
        languages << QStringLiteral("ninefold_%1.qm").arg(QLatin1String(language));
    EXPECT_EQ(QDir(kData.filePath(QStringLiteral("translations")))
                  .entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name),
              languages);
}

TEST(GeneratedData, TheRulesDocumentIsRichTextHoldingTheRules) {
    const QByteArray doc = readAll(written(files::rulesDocument));
    EXPECT_TRUE(doc.startsWith("{\\rtf1"));
    EXPECT_TRUE(doc.contains("The Rules of Ninefold"));
    EXPECT_TRUE(doc.contains("five rounds"));
    EXPECT_EQ(doc.count('{'), doc.count('}'));
}

// A rules document with its \\uN? escapes read as the letters they stand for.
QString withEscapesRead(const QByteArray& rtf) {
    QString text = QString::fromLatin1(rtf);
    const QRegularExpression escape(QStringLiteral(R"(\\u(-?\d+)\?)"));
    for (auto m = escape.match(text); m.hasMatch(); m = escape.match(text, m.capturedStart()))
        text.replace(m.capturedStart(), m.capturedLength(),
                     QChar(static_cast<char16_t>(m.captured(1).toInt())));
    return text;
}

// The Russian and the Japanese rules document hold their translated text as Unicode escapes,
// and name a face this system has with the letters of their writing.
TEST(GeneratedData, RulesDocumentsNameAFaceWithTheirLetters) {
    for (const auto& [language, title, writing] :
         {std::tuple{"ru", "Правила игры Ninefold", QFontDatabase::Cyrillic},
          std::tuple{"ja", "Ninefoldのルール", QFontDatabase::Japanese},
          std::tuple{"zh_CN", "Ninefold 游戏规则", QFontDatabase::SimplifiedChinese}}) {
        SCOPED_TRACE(language);
        const QByteArray doc = readAll(written(inLanguage(files::rulesDocument, language)));
        EXPECT_TRUE(doc.startsWith("{\\rtf1"));
        EXPECT_TRUE(withEscapesRead(doc).contains(QString::fromUtf8(title)));
        const qsizetype table = doc.indexOf("{\\fonttbl{\\f0");
        ASSERT_GE(table, 0);
        const qsizetype end = doc.indexOf(';', table);
        QString face = QString::fromLatin1(doc.mid(table, end - table));
        face = face.section(QLatin1Char(' '), 1).section(QLatin1Char('{'), 0, 0);
        if (face == QLatin1String("Arial"))
            face = QStringLiteral("Liberation Sans"); // as word processors here take it
        EXPECT_TRUE(QFontDatabase::writingSystems(face).contains(writing)) << face.toStdString();
    }
}

TEST(Wav, RefusesWhatIsNotSixteenBitPcm) {
    EXPECT_FALSE(decodeWav("RIFF").has_value());
    QByteArray wav = encodeWav({0.0f, 0.5f, -1.0f}, 0.5f);
    EXPECT_EQ(decodeWav(wav)->samples, (std::vector<qint16>{0, 8192, -16384}));
    wav[20] = 3; // a float format
    EXPECT_FALSE(decodeWav(wav).has_value());
    EXPECT_FALSE(decodeWav(wav.left(50)).has_value()) << "a cut-off data chunk";
}

} // namespace
} // namespace nf::assets
