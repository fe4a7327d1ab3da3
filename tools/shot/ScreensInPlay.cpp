#include "ScreensInPlay.h"

#include "board/BoardWindow.h"
#include "engine/FixedClock.h"
#include "engine/Pauses.h"
#include "engine/VirtualScheduler.h"
#include "front/Program.h"
#include "front/RulesControls.h"
#include "platform/FormWindow.h"
#include "platform/LabelControl.h"
#include "platform/StandIns.h"

#include <QCoreApplication>

namespace nf {
namespace {

QImage shot(QWidget* window) {
    QCoreApplication::processEvents();
    return window ? window->grab().toImage() : QImage();
}

// A few moves of a match on the board: a sum, two dice taken apart.
void playSome(BoardWindow& board, VirtualScheduler& time) {
    Game& game = board.game();
    game.throwDice(3, 4);
    time.advance(pauses::kThrowSettles);
    game.clickNumber(7);
    game.throwDice(1, 5);
    time.advance(pauses::kThrowSettles);
    game.clickNumber(1);
    game.clickNumber(5);
    game.throwDice(2, 6);
    time.advance(pauses::kThrowSettles);
}

} // namespace

std::vector<std::pair<QString, QImage>> renderScreensInPlay(const QString& dataFolder) {
    MatchState match;
    SilentSound sound;
    NoDesktop opener;
    Services services(GameFolder(dataFolder), sound, opener);
    VirtualScheduler time;
    SeededRandom random(2026);
    FixedClock clock;
    Environment env{match, services, time, random, clock};
    Program program(env);
    std::vector<std::pair<QString, QImage>> shots;

    program.start();
    shots.push_back({"Titlefrm", shot(program.titleWindow())});
    program.showBackdrop();
    shots.push_back({"Grey", shot(program.backdropWindow())});
    program.showSetup();
    shots.push_back({"Startplay2", shot(program.setupWindow())});
    for (int page = 1; page <= 3; ++page) {
        program.showRulesPage(page);
        if (page == 2) {
            emit program.rulesControls(2)->throwDice->clicked(); // the try-out thrown as by a click
            // The four dice settle one by one with sound; the last frame of rolling follows.
            time.advance(pauses::kTryOutSettlesWithSound + 3 * pauses::kTryOutNextDieSettles +
                         pauses::kRollingFrame);
        }
        shots.push_back({program.rulesWindow(page)->name(), shot(program.rulesWindow(page))});
    }
    for (bool computer : {false, true}) {
        match = MatchState{};
        match.PlayerCount = computer ? 2 : 3;
        match.ComputerGame = computer ? 1 : 0;
        match.SoundOn = 1;
        BoardWindow* board = program.openBoard(computer, Opening::New);
        playSome(*board, time);
        shots.push_back({board->window().name(), shot(&board->window())});
        board->close();
    }
    program.quit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return shots;
}

} // namespace nf
