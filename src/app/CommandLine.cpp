#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

namespace nf {

std::optional<int> answerCommandLine(int argc, char** argv, StartOptions& options) {
    if (argc <= 1)
        return std::nullopt; // the usual start, without the cost of a parser
    QCoreApplication::setApplicationName(QStringLiteral("ninefold"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NINEFOLD_VERSION));
    // An application object of its own, without any display, gone before the game's starts.
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Ninefold: a dice game for one to four players. Cover the numbers 1 to 9 with the sum "
        "of two dice or with both dice's numbers; after five rounds the highest total wins."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption computer(
        QStringLiteral("computer"),
        QStringLiteral("How the computer plays in a one-player game: classic (the default) or "
                       "expert (the best move every time)."),
        QStringLiteral("classic|expert"), QStringLiteral("classic"));
    parser.addOption(computer);
    // Answers --help, --help-all and --version, and refuses unknown options, ending the program.
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::cerr << "ninefold takes no file or other argument: "
                  << qPrintable(parser.positionalArguments().join(' ')) << "\n\n"
                  << qPrintable(parser.helpText());
        return 2;
    }
    const QString play = parser.value(computer);
    if (play != QLatin1String("classic") && play != QLatin1String("expert")) {
        std::cerr << "ninefold: --computer takes classic or expert, not " << qPrintable(play)
                  << "\n\n"
                  << qPrintable(parser.helpText());
        return 2;
    }
    options.computer =
        play == QLatin1String("expert") ? ComputerPlay::Expert : ComputerPlay::Classic;
    return std::nullopt;
}

} // namespace nf
