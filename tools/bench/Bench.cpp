// ninefold-bench: speed figures of the game, never asserted by a test.
//   ninefold-bench engine    throws and whole matches per second, without windows
//   ninefold-bench windows   a four-player match through the real windows, in virtual time
//   ninefold-bench rolling   CPU time per second while the dice roll on real timers
//   ninefold-bench record FILE       a match added to the record FILE as the game adds it
//   ninefold-bench statistics FILE   the statistics window of the record FILE, opened and drawn
#include "board/BoardWindow.h"
#include "engine/BestPlay.h"
#include "engine/FixedClock.h"
#include "engine/HeadlessGame.h"
#include "engine/Index.h"
#include "engine/Pauses.h"
#include "engine/VirtualScheduler.h"
#include "platform/LabelControl.h"
#include "platform/QtScheduler.h"
#include "platform/StandIns.h"
#include "record/RecordBackend.h"
#include "sim/MatchRunner.h"
#include "statistics/RecordPlot.h"
#include "statistics/StatisticsWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall and CPU time of a piece of work, for the figures per second of either.
struct Stopwatch {
    std::chrono::steady_clock::time_point wallStart = std::chrono::steady_clock::now();
    double cpuStart = cpuSeconds();
    double wall() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    }
    double cpu() const { return cpuSeconds() - cpuStart; }
};

void engine() {
    nf::HeadlessGame table(2, 1);
    table.game().setRollingShown(false);
    const long throws = 2000000;
    Stopwatch watch;
    for (long i = 0, accepted = 0; accepted < throws; ++i) {
        if (table.game().endState().GameOver) {
            table.newGame();
            table.wait(1);
        }
        accepted +=
            table.throwDice(static_cast<int>(1 + i % 6), static_cast<int>(1 + (i / 6) % 6)) ? 1 : 0;
        for (int n = 9; n >= 1; --n)
            table.cover(n);
        if (!table.game().canThrow())
            table.wait(nf::pauses::kHandOver);
    }
    const double cpu = watch.cpu(), wall = watch.wall();
    std::printf("engine: %.0f throws per CPU-second, %.0f per second of wall time (given dice, "
                "settling, covers, hand-overs; no rolling figures)\n",
                throws / cpu, throws / wall);
    const long matches = 20000;
    Stopwatch matchWatch;
    nf::sim::playMatches(4, matches, 1, std::vector<nf::sim::Strategy>(4, nf::sim::Strategy::Scan));
    std::printf("engine: %.0f four-player matches per CPU-second, %.0f per second of wall time\n",
                matches / matchWatch.cpu(), matches / matchWatch.wall());
    // The exact analysis of best play, as the first hint or expert move pays for it.
    Stopwatch solveWatch;
    const nf::BestPlay& play = nf::BestPlay::solved();
    std::printf("engine: best play solved in %.2f ms of CPU time, %.2f ms of wall time (%d sweeps, "
                "%.6f points per turn)\n",
                solveWatch.cpu() * 1000, solveWatch.wall() * 1000, play.sweeps(), play.turn(0));
}

// Clicks "Throw Dice" and the numbers of the board until the match is over.
void windows(const QString& data) {
    nf::MatchState match;
    match.PlayerCount = 4;
    match.SoundOn = 1;
    nf::SilentSound sound;
    nf::NoDesktop desktop;
    nf::Services services(nf::GameFolder(data), sound, desktop);
    nf::VirtualScheduler time;
    nf::SeededRandom random(3);
    nf::FixedClock clock;
    nf::Environment env{match, services, time, random, clock};
    QElapsedTimer elapsed;
    elapsed.start();
    auto* board = new nf::BoardWindow(env, nf::Opening::New);
    board->show();
    long clicks = 0;
    while (!board->game().endState().GameOver) {
        QTest::mouseClick(board->controls().throwDice, Qt::LeftButton, {}, QPoint(5, 5));
        time.advance(nf::pauses::kThrowSettles);
        for (int i = 8; i >= 0; --i, ++clicks)
            QTest::mouseClick(board->controls().numbers[nf::idx(i)], Qt::LeftButton, {},
                              QPoint(5, 5));
        time.advance(board->game().handOverPending() ? nf::pauses::kHandOver : 0);
    }
    std::printf("windows: a four-player match through the board window took %lld ms "
                "(%ld clicks, virtual time)\n",
                static_cast<long long>(elapsed.elapsed()), clicks);
    board->close();
}

void rolling(const QString& data) {
    nf::MatchState match;
    match.PlayerCount = 2;
    nf::SilentSound sound;
    nf::NoDesktop desktop;
    nf::Services services(nf::GameFolder(data), sound, desktop);
    nf::QtScheduler scheduler;
    nf::SeededRandom random(3);
    nf::SystemClock clock;
    nf::Environment env{match, services, scheduler, random, clock};
    auto* board = new nf::BoardWindow(env, nf::Opening::New);
    board->show();
    double cpu = 0, wall = 0;
    for (int throwNumber = 0; throwNumber < 3; ++throwNumber) {
        board->game().throwDice(1, 2); // a 3: covered below, so every throw rolls
        const double cpuStart = cpuSeconds();
        QElapsedTimer t;
        t.start();
        QTest::qWait(2100);
        cpu += cpuSeconds() - cpuStart;
        wall += static_cast<double>(t.elapsed()) / 1000.0;
        board->game().clickNumber(3);
        if (!board->game().canThrow())
            QTest::qWait(2600);
    }
    std::printf("rolling: %.3f s of CPU per second while the dice roll (offscreen)\n", cpu / wall);
    board->close();
}

// As a board does when a match ends: the module loaded, the record opened, the match written
// in one transaction; then a second match, with the record open.
void record(const QString& file) {
    nf::RecordedMatch match;
    nf::sim::playMatches(2, 1, 9, {nf::sim::Strategy::Scan, nf::sim::Strategy::Scan},
                         nf::ComputerPlay::Classic,
                         [&](const nf::MatchSummary& s, const nf::MatchLog& l) {
                             match = {s, l.encode(), {}};
                         });
    Stopwatch first;
    const auto store = nf::loadRecordStore(QCoreApplication::applicationDirPath(), file);
    if (!store || !store->add(match))
        std::exit(1);
    const double firstWall = first.wall(), firstCpu = first.cpu();
    Stopwatch next;
    store->add(match);
    std::printf("record: first match %.2f ms (%.2f ms CPU), next %.2f ms (%.2f ms CPU)\n",
                firstWall * 1000, firstCpu * 1000, next.wall() * 1000, next.cpu() * 1000);
}

// From the key S to the window drawn: the module loaded, the record read, the window built,
// shown and painted to its plot.
void statistics(const QString& file) {
    Stopwatch watch;
    const auto store = nf::loadRecordStore(QCoreApplication::applicationDirPath(), file);
    const auto figures = store ? store->read(nf::StatisticsWindow::kPlotted) : std::nullopt;
    nf::StatisticsWindow window(figures);
    struct Painted : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* event) override {
            seen |= event->type() == QEvent::Paint;
            return false;
        }
    } painted;
    if (auto* plot = window.findChild<nf::RecordPlot*>())
        plot->installEventFilter(&painted);
    window.show();
    while (!painted.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    std::printf("statistics: window of %ld matches drawn in %.1f ms (%.1f ms CPU)\n",
                figures ? figures->matches : -1L, watch.wall() * 1000, watch.cpu() * 1000);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    constexpr const char* kUsage =
        "usage: ninefold-bench engine|windows|rolling | record FILE | statistics FILE\n";
    if (mode == "--help" || mode == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const bool withFile = mode == "record" || mode == "statistics";
    if ((mode != "engine" && mode != "windows" && mode != "rolling" && !withFile) ||
        (withFile && argc != 3)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (mode == "engine") {
        engine();
        return 0;
    }
    if (mode == "record") {
        QCoreApplication app(argc, argv);
        record(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString data = QCoreApplication::applicationDirPath();
    if (mode == "windows")
        windows(data);
    else if (mode == "statistics")
        statistics(QString::fromLocal8Bit(argv[2]));
    else
        rolling(data);
    return 0;
}
