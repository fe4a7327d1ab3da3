#include "CommandLine.h"
#include "DisplayCheck.h"
#include "engine/MatchState.h"
#include "engine/Random.h"
#include "front/Program.h"
#include "platform/GameTexts.h"
#include "platform/LabelAccessibility.h"
#include "platform/QtScheduler.h"
#include "platform/SoundModule.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    nf::StartOptions options;
    if (const auto ended = nf::answerCommandLine(argc, argv, options))
        return *ended;
    if (const auto problem = nf::displayProblem(argc > 0 ? argv[0] : "ninefold")) {
        std::cerr << *problem << '\n';
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the program ends with the title's Exit
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ninefold.Ninefold"));
    nf::installLabelAccessibility();

    nf::MatchState match; // the shared settings and match, for the whole run
    nf::QtSoundPlayer sound(
        [] { return nf::loadSoundBackend(QCoreApplication::applicationDirPath()); });
    nf::DesktopOpener opener;
    const nf::GameFolder folder = nf::GameFolder::besideProgram();
    nf::installTranslation(folder); // the system's language, where the game has it
    nf::Services services(folder, sound, opener, nf::savedGamePlacesFor(folder));
    nf::QtScheduler scheduler;
    nf::SystemClock clock;
    nf::SeededRandom random(static_cast<std::uint64_t>(clock.secondsSinceMidnight() * 1000));
    nf::Environment env{match, services, scheduler, random, clock};

    nf::Program program(env, options.computer);
    QObject::connect(&program, &nf::Program::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}
