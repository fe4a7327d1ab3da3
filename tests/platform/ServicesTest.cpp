#include "platform/Services.h"

#include "platform/FitForm.h"
#include "platform/QtScheduler.h"
#include "platform/SoundModule.h"
#include "support/Recorders.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace nf {
namespace {
using test::RecordingOpener;
using test::RecordingSound;

TEST(Services, SoundsAndDocumentsAreNamedInTheGamesFolder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("wav");
    RecordingSound sound;
    RecordingOpener opener;
    Services services(GameFolder(dir.path()), sound, opener);
    services.playwav("WAV\\ping.wav");
    services.openDocument("Ninefold Rules.doc");
    services.openAddress("ninefold.example.org");
    EXPECT_EQ(services.path("WAV\\ping.wav"), dir.filePath("wav/ping.wav"));
    EXPECT_EQ(sound.played, QStringList{"ping.wav"});
    EXPECT_EQ(opener.opened,
              (QStringList{dir.filePath("Ninefold Rules.doc"), "http://ninefold.example.org"}));
}

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
    QTest::qWait(50); // a sound that loads in the background must not disturb the program

    QtSoundPlayer without([] { return loadSoundBackend(QStringLiteral("/nonexistent")); });
    EXPECT_FALSE(without.play(QStringLiteral(NINEFOLD_DATA_DIR "/wav/click.wav")));
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

TEST(FitForm, GivesTheWindowTheStandardOuterSize) {
    QWidget window;
    window.resize(300, 200);
    window.show();
    fitform(&window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.frameGeometry().size(), QSize(800, 600));
    EXPECT_EQ(window.frameGeometry().topLeft(), centredPosition(screen, {800, 600}));
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
    QTest::qWait(30);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(scheduler.running(), 0);
}

} // namespace
} // namespace nf
