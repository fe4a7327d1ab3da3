#include "platform/GameFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nf {
namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(GameFolder, GameNamesReachTheirFilesWhateverTheLetterCase) {
    QTemporaryDir dir;
    touch(dir.filePath("Images/redspot.jpg"));
    touch(dir.filePath("wav/click.wav"));
    touch(dir.filePath("Ninefold Rules.doc"));
    const GameFolder folder(dir.path());
    EXPECT_EQ(folder.path("Images\\redspot.jpg"), dir.filePath("Images/redspot.jpg"));
    EXPECT_EQ(folder.path("images\\REDSPOT.JPG"), dir.filePath("Images/redspot.jpg"));
    EXPECT_EQ(folder.path("WAV\\Click.wav"), dir.filePath("wav/click.wav"));
    EXPECT_EQ(folder.path("ninefold rules.doc"), dir.filePath("Ninefold Rules.doc"));
}

TEST(GameFolder, MissingPartsStayAsWrittenInsideTheFolder) {
    QTemporaryDir dir;
    touch(dir.filePath("Images/x.jpg"));
    const GameFolder folder(dir.path());
    EXPECT_EQ(folder.path("images\\None.jpg"), dir.filePath("Images/None.jpg"));
    EXPECT_EQ(folder.path("lastgame.inf"), dir.filePath("lastgame.inf"));
    EXPECT_EQ(folder.path("..\\..\\lastgame.inf"), dir.filePath("lastgame.inf"));
}

} // namespace
} // namespace nf
