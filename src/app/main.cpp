#include "DisplayCheck.h"
#include "board/BoardWindow.h"
#include "engine/MatchState.h"
#include "engine/Random.h"
#include "platform/Fonts.h"
#include "platform/QtScheduler.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    if (!nf::hasDisplay()) {
        std::cerr << nf::kNoDisplayMessage << '\n';
        return 2;
    }
    QApplication app(argc, argv);
    nf::Fonts::loadApplicationFonts();
    std::cout << "Ninefold: the title and setup screens are not built yet; opening the board "
                 "for two players.\n";

    nf::MatchState match;
    match.PlayerCount = 2;
    match.SoundOn = 1;
    match.HideDesktop = 1;
    nf::QtSoundPlayer sound;
    nf::DesktopOpener opener;
    nf::Services services(nf::GameFolder::besideProgram(), sound, opener);
    nf::QtScheduler scheduler;
    nf::SystemClock clock;
    nf::SeededRandom random(static_cast<std::uint64_t>(clock.secondsSinceMidnight() * 1000));
    nf::Environment env{match, services, scheduler, random, clock};

    auto* board = new nf::BoardWindow(env);
    QObject::connect(board, &nf::BoardWindow::exited, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    board->show();
    return app.exec();
}
