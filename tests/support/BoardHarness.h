#pragma once

#include "QtPrinters.h"
#include "Recorders.h"
#include "ScriptedRandom.h"
#include "board/BoardWindow.h"
#include "engine/Pauses.h"
#include "engine/VirtualScheduler.h"
#include "platform/CheckBoxControl.h"
#include "platform/FormWindow.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace nf::test {

// The shared state and services of a run, in a temporary game folder (the generated pictures
// and sounds linked in), with virtual time, scripted dice and recorded sounds.
struct TestEnvironment {
    QTemporaryDir dir;
    MatchState match;
    RecordingSound sound;
    RecordingOpener opener;
    Services services{GameFolder(dir.path()), sound, opener};
    VirtualScheduler scheduler;
    ScriptedRandom random;
    FixedClock clock{kTestTime};
    Environment env{match, services, scheduler, random, clock};

    TestEnvironment() {
        for (const char* folder : {"Images", "wav", "translations", "ninefold-record.so"})
            QFile::link(QStringLiteral(NINEFOLD_DATA_DIR "/") + folder, dir.filePath(folder));
    }

    void wait(std::int64_t ms) { scheduler.advance(ms); }
    // Lets windows closed a moment ago go.
    static void discardClosed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A click near the left edge, where a check box takes it too.
    static void press(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, control->height() / 2));
    }

    QString savedGamePath() const { return dir.filePath("lastgame.inf"); }
    QByteArray savedGame() const {
        QFile f(savedGamePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeSavedGame(const QByteArray& bytes) const {
        QFile f(savedGamePath());
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
};

// One board window in such an environment. Clicks go through the real controls.
struct BoardHarness : TestEnvironment {
    QPointer<BoardWindow> board;
    bool exited = false;

    // The board goes before the time and services it runs on.
    ~BoardHarness() {
        delete board.data();
        discardClosed();
    }

    // A new match as the setup screen opens it.
    void openNew(int players) {
        match.PlayerCount = static_cast<i16>(players);
        match.SoundOn = 1;
        match.HideDesktop = 1;
        open();
    }

    // A match of two players resumed in round 1 with these numbers covered.
    template <class Board = BoardWindow>
    void openResumedWith(std::initializer_list<int> covered, int current = 0) {
        match.PlayerCount = 2;
        match.CurrentPlayer = static_cast<i16>(current);
        match.RoundNumber = 1;
        match.SoundOn = 1;
        for (int n : covered)
            match.Covered[static_cast<std::size_t>(n - 1)] = 1;
        openResumed<Board>();
    }

    // The match in the shared state, continued as the title screen resumes it.
    template <class Board = BoardWindow>
    void openResumed() {
        open<Board>(Opening::Resume);
    }

    template <class Board = BoardWindow>
    void open(Opening opening = Opening::New) {
        board = new Board(env, opening);
        QObject::connect(board, &BoardWindow::exited, [this] { exited = true; });
        board->show();
    }

    FormWindow& window() const { return board->window(); }
    const BoardControls& ui() const { return board->controls(); }
    // The board stays until the test ends, also after Exit, so that it can still be looked at.
    static void click(QWidget* control) { press(control); }
    void clickNumber(int number) { click(ui().numbers[static_cast<std::size_t>(number - 1)]); }
    // "Throw Dice" with these dice, then the time for them to settle.
    void throwDice(int d1, int d2 = 0) {
        random.afterReseeds.clear();
        random.scriptDice(d1, d2);
        click(ui().throwDice);
        wait(d2 > 0 ? pauses::kThrowSettles : pauses::kFirstDieSettles);
    }
};

} // namespace nf::test
