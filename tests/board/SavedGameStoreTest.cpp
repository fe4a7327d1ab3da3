#include "board/RestartPrevious.h"
#include "board/SavedGame.h"
#include "engine/Pauses.h"
#include "support/BoardHarness.h"

#include <QSaveFile>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nf {
namespace {
using namespace std::chrono_literals;

QByteArray matchBytes(int red, int magenta) {
    MatchState m;
    m.PlayerCount = 2;
    m.RoundNumber = 2;
    m.SoundOn = 1;
    m.HideDesktop = 0;
    return SavedGame::encode(m, {red, magenta, 0, 0});
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// A file size limit on the process makes the disk refuse the bytes at Qt's flush, after the
// write into its buffer was taken: nothing may be renamed over the previous file.
TEST(SavedGameStore, AWriteThatFailsAtTheFlushLeavesThePreviousFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lastgame.inf");
    ASSERT_TRUE(SavedGame::write(path, matchBytes(41, 27)));
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SavedGame::write(path, matchBytes(50, 30));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_FALSE(saved);
    EXPECT_EQ(contents(path), matchBytes(41, 27));
    EXPECT_EQ(entries(dir.path()), QStringList{"lastgame.inf"}) << "no temporary file left";
}

TEST(SavedGameStore, APipeNamedLikeTheSavedGameIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lastgame.inf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] {
        MatchState m;
        return SavedGame::load({path, {}}, m);
    });
    if (reading.wait_for(5s) != std::future_status::ready) {
        const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY); // lets it go
        ::close(writer);
        FAIL() << "the read waited for a writer";
    }
    EXPECT_FALSE(reading.get());
    MatchState m;
    EXPECT_FALSE(SavedGame::load({"/dev/null", {}}, m)) << "a device is no saved game either";
}

// Of the two places' files the newer is continued: a match saved to the state folder while the
// game folder could not be written, or the other way round. Where the newer cannot be read
// the older is continued, exactly as it was saved (nothing of the newer mixed in), and
// standard error names the file passed over, once. (What cannot be read: the reader's tests.)
TEST(SavedGameStore, TheNewerReadableFileOfTheTwoPlacesIsContinued) {
    MatchState olderMatch;
    olderMatch.PlayerCount = 3;
    olderMatch.CurrentPlayer = 2;
    olderMatch.Covered[6] = 1;
    const QByteArray older = SavedGame::encode(olderMatch, {5, 6, 7, 0});
    const QByteArray newer = matchBytes(20, 30);
    const auto age = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadWrite) &&
               f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime);
    };
    for (const bool damaged : {false, true})
        for (const bool newerInState : {true, false}) {
            SCOPED_TRACE(std::to_string(damaged) + std::to_string(newerInState));
            test::TestEnvironment e;
            const SavedGamePlaces places{e.dir.filePath("lastgame.inf"),
                                         e.dir.filePath("state/lastgame.inf")};
            ASSERT_TRUE(QDir().mkpath(e.dir.filePath("state")));
            const QString olderPath = newerInState ? places.besideProgram : places.userState;
            const QString newerPath = newerInState ? places.userState : places.besideProgram;
            ASSERT_TRUE(SavedGame::write(olderPath, older) && age(olderPath));
            ASSERT_TRUE(SavedGame::write(newerPath, damaged ? newer.left(9) + "\x01?" : newer));

            Services services(GameFolder(e.dir.path()), e.sound, e.opener, places);
            std::ostringstream said;
            services.setComplaints(said);
            Environment env{e.match, services, e.scheduler, e.random, e.clock};
            MatchState expected;
            ASSERT_TRUE(SavedGame::decodeInto(damaged ? older : newer, expected));
            for (int restarts = 0; restarts < 2; ++restarts) {
                e.match = MatchState{};
                bool opened = false;
                restartPreviousGame(env, {nullptr,
                                          [&](bool) -> BoardWindow* {
                                              opened = true;
                                              return nullptr;
                                          },
                                          nullptr});
                ASSERT_TRUE(opened);
                EXPECT_TRUE(SavedGame::sameFields(e.match, expected));
            }
            EXPECT_EQ(said.str(), damaged ? "Ninefold could not read the saved game " +
                                                newerPath.toStdString() +
                                                "; it continues the older one.\n"
                                          : "");
        }

    // Neither readable: nothing is continued, and what the newer held before its fault stays.
    QTemporaryDir dir;
    const SavedGamePlaces places{dir.filePath("lastgame.inf"), dir.filePath("state.inf")};
    ASSERT_TRUE(SavedGame::write(places.besideProgram, older.left(9)) && age(places.besideProgram));
    ASSERT_TRUE(SavedGame::write(places.userState, newer.left(7)));
    MatchState m;
    EXPECT_FALSE(SavedGame::load(places, m));
    EXPECT_EQ(std::tie(m.PlayerCount, m.CurrentPlayer, m.RoundNumber, m.Scores[0]),
              std::make_tuple(2, 0, 2, 0));
}

// An installed copy cannot write beside itself: the match goes to the user's state folder,
// and comes back from there. Where no place can be written the game goes on, and says once on
// standard error where the match could not go.
TEST(SavedGameStore, TheMatchGoesWhereItCanBeWrittenOrTheGameSaysSoOnce) {
    for (const bool stateWritable : {true, false}) {
        test::TestEnvironment e;
        QTemporaryDir state;
        const SavedGamePlaces places{"/proc/self/lastgame.inf", // no file can be made there
                                     stateWritable ? state.filePath("ninefold/lastgame.inf")
                                                   : "/proc/self/ninefold/lastgame.inf"};
        Services services(GameFolder(e.dir.path()), e.sound, e.opener, places);
        std::ostringstream said;
        services.setComplaints(said);
        Environment env{e.match, services, e.scheduler, e.random, e.clock};
        for (int exits = 0; exits < 2; ++exits) {
            e.match.PlayerCount = 2;
            auto* board = new BoardWindow(env, Opening::New);
            board->show();
            e.random.scriptDice(3, 4);
            test::BoardHarness::click(board->controls().throwDice);
            e.wait(pauses::kThrowSettles);
            test::BoardHarness::click(board->controls().numbers[6]);
            test::BoardHarness::click(board->controls().exit);
            test::TestEnvironment::discardClosed();
        }
        MatchState saved;
        EXPECT_EQ(SavedGame::load(places, saved), stateWritable);
        EXPECT_EQ(saved.Scores[0], stateWritable ? 7 : 0);
        EXPECT_EQ(said.str(), stateWritable ? ""
                                            : "Ninefold could not save the match in "
                                              "/proc/self/lastgame.inf or "
                                              "/proc/self/ninefold/lastgame.inf; the game goes "
                                              "on without it.\n");
    }
}

TEST(SavedGamePlaces, WithoutHomeTheUsersFolderComesFromTheUserDatabase) {
    const QByteArray home = qgetenv("HOME"), state = qgetenv("XDG_STATE_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_STATE_HOME");
    const SavedGamePlaces places = savedGamePlacesFor(GameFolder("/opt/ninefold"));
    qputenv("HOME", home);
    if (!state.isEmpty())
        qputenv("XDG_STATE_HOME", state);
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(places.besideProgram, "/opt/ninefold/lastgame.inf");
    EXPECT_EQ(places.userState,
              QDir(QFile::decodeName(user->pw_dir)).filePath(".local/state/ninefold/lastgame.inf"));
}

} // namespace
} // namespace nf
