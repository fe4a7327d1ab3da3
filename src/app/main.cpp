#include "CommandLine.h"
#include "PlatformChoice.h"
#include "QtStartGuard.h"
#include "engine/MatchState.h"
#include "engine/Random.h"
#include "front/Program.h"
#include "platform/GameTexts.h"
#include "platform/LabelAccessibility.h"
#include "platform/QtScheduler.h"
#include "platform/SoundModule.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <iostream>
#include <memory>

namespace {

// The application on the platform chosen for this session, or nothing with the words said.
std::unique_ptr<QApplication> startQt(int& argc, char** argv, const nf::StartOptions& options) {
    const nf::PlatformChoice choice =
        nf::choosePlatform(nf::currentSession(options), argc > 0 ? argv[0] : "ninefold");
    if (!choice.problem.empty()) {
        std::cerr << choice.problem << '\n';
        return nullptr;
    }
    const nf::QtStartGuard guard(choice.platform, choice.failure);
    auto app = std::make_unique<QApplication>(argc, argv);
    // A platform may start without a screen to show anything on (linuxfb without a frame
    // buffer): Qt would abort at the first window.
    if (!QGuiApplication::primaryScreen()) {
        std::cerr << choice.failure << '\n';
        return nullptr;
    }
    return app;
}

} // namespace

int main(int argc, char** argv) {
    nf::StartOptions options;
    if (const auto ended = nf::answerCommandLine(argc, argv, options))
        return *ended;
    const std::unique_ptr<QApplication> app = startQt(argc, argv, options);
    if (!app)
        return 2;
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
    if (options.statisticsWindow) { // the launcher's action: this window alone
        program.showStatistics();
        if (!program.statisticsWindow())
            return 1;
        QObject::connect(program.statisticsWindow(), &QObject::destroyed, app.get(),
                         &QApplication::quit, Qt::QueuedConnection);
        return app->exec();
    }
    QObject::connect(&program, &nf::Program::finished, app.get(), &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app->exec();
}
