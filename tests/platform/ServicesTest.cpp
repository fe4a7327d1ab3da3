#include "platform/Services.h"

#include "platform/FitForm.h"
#include "platform/GameFolder.h"
#include "platform/QtScheduler.h"
#include "platform/SoundModule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace nf {
namespace {

constexpr int kEventLoopMoment = 50; // ms of Qt's event loop running

bool audioLibrariesLoaded() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// The sound module and the audio libraries load with the first sound that can play, not
// before; on a machine without a sound device the sounds are silent and nothing waits.
TEST(QtSoundPlayer, TheSoundModuleLoadsWithTheFirstSound) {
    QtSoundPlayer player([] { return loadSoundBackend(QStringLiteral(NINEFOLD_DATA_DIR)); });
    EXPECT_FALSE(audioLibrariesLoaded());
    EXPECT_FALSE(player.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/missing.wav")));
    EXPECT_FALSE(audioLibrariesLoaded());
    EXPECT_TRUE(player.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/click.wav")));
    EXPECT_TRUE(audioLibrariesLoaded());
    EXPECT_TRUE(player.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/gong.wav"))) << "cuts the click";
    QTest::qWait(kEventLoopMoment); // a sound loading in the background must not disturb it
}

// The module is the one regular file of its name in the program's folder, loaded with every
// symbol it needs; anything else leaves the game silent at once.
TEST(QtSoundPlayer, OnlyTheModulesOwnFileLoadsAndABrokenOneMeansSilence) {
    using namespace std::chrono_literals;
    const QString module = QStringLiteral(NINEFOLD_DATA_DIR "/") + kSoundModuleFile;
    const std::vector<std::pair<const char*, std::function<bool(const QDir&)>>> layouts = {
        {"no module", [](const QDir&) { return true; }},
        {"a pipe",
         [](const QDir& d) {
             return ::mkfifo(QFile::encodeName(d.filePath(kSoundModuleFile)).constData(), 0600) ==
                    0;
         }},
        {"a folder", [](const QDir& d) { return d.mkdir(kSoundModuleFile); }},
        {"other names",
         [&](const QDir& d) {
             return QFile::copy(module, d.filePath("libninefold-sound.so")) &&
                    QFile::copy(module, d.filePath("ninefold-sound"));
         }},
        {"a subfolder",
         [&](const QDir& d) {
             return d.mkdir("haswell") &&
                    QFile::copy(module, d.filePath("haswell/") + kSoundModuleFile);
         }},
        {"a missing symbol",
         [](const QDir& d) {
             return QFile::copy(NINEFOLD_UNRESOLVED_SOUND_MODULE, d.filePath(kSoundModuleFile));
         }},
    };
    for (const auto& [layout, make] : layouts) {
        QTemporaryDir dir;
        ASSERT_TRUE(make(QDir(dir.path()))) << layout;
        auto loading =
            std::async(std::launch::async, [&] { return loadSoundBackend(dir.path()) == nullptr; });
        if (loading.wait_for(5s) != std::future_status::ready) {
            const QByteArray pipe = QFile::encodeName(dir.filePath(kSoundModuleFile));
            ::close(::open(pipe.constData(), O_WRONLY)); // lets the loader go
            ADD_FAILURE() << layout << ": the loader waited";
        }
        EXPECT_TRUE(loading.get()) << layout;
    }
}

struct RecordingBackend : SoundBackend {
    QStringList& log;
    explicit RecordingBackend(QStringList& l) : log(l) {}
    void start(const QString& path) override { log << QFileInfo(path).fileName(); }
    void stop() override { log << "stop"; }
};

TEST(QtSoundPlayer, EveryRequestStopsTheSoundStillPlayingEvenForAMissingFile) {
    QStringList log;
    int made = 0;
    QtSoundPlayer player([&] {
        ++made;
        return std::make_unique<RecordingBackend>(log);
    });
    EXPECT_FALSE(player.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/missing.wav")));
    EXPECT_EQ(made, 0) << "nothing loaded for a sound that cannot play";
    EXPECT_TRUE(player.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/gong.wav")));
    EXPECT_FALSE(player.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/missing.wav")));
    EXPECT_TRUE(player.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/click.wav")));
    EXPECT_EQ(log, (QStringList{"gong.wav", "stop", "stop", "click.wav"}));
    EXPECT_EQ(made, 1);
}

TEST(FitForm, CentresTheOuterSizeWithoutClamping) {
    EXPECT_EQ(centredPosition({0, 0, 800, 600}, {800, 600}), QPoint(0, 0));
    EXPECT_EQ(centredPosition({0, 0, 1024, 768}, {800, 600}), QPoint(112, 84));
    EXPECT_EQ(centredPosition({0, 0, 640, 480}, {800, 600}), QPoint(-80, -60));
    EXPECT_EQ(centredPosition({1920, 0, 1281, 1025}, {800, 600}), QPoint(2160, 212));
}

TEST(QtScheduler, TimersTickOnTheEventLoopAndRestWhenOff) {
    QtScheduler scheduler;
    int ticks = 0;
    Timer fast(scheduler, "fast", 5, [&] {
        if (++ticks == 3)
            fast.setEnabled(false); // a handler switches its own timer
    });
    Timer idle(scheduler, "idle", 1000);
    EXPECT_EQ(scheduler.running(), 0);
    fast.setEnabled(true);
    EXPECT_EQ(scheduler.running(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 3; }, 5000));
    QTest::qWait(6 * fast.interval());
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(scheduler.running(), 0);
}

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
