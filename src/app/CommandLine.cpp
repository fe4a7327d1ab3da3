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
    const auto refuse = [&parser](const QString& why) {
        std::cerr << "ninefold: " << qPrintable(why) << "\n\n" << qPrintable(parser.helpText());
        return 2;
    };
    // The whole line is checked before --help or --version answers, so that a wrong one never
    // ends with 0.
    if (!parser.parse(app.arguments()))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("no file or other argument is taken: ") +
                      parser.positionalArguments().join(' '));
    const QString play = parser.value(computer);
    if (play != QLatin1String("classic") && play != QLatin1String("expert"))
        return refuse(QStringLiteral("--computer takes classic or expert, not ") + play);
    // Answers --help, --help-all and --version as Qt does, ending the program.
    parser.process(app);
    options.computer =
        play == QLatin1String("expert") ? ComputerPlay::Expert : ComputerPlay::Classic;
    return std::nullopt;
}

} // namespace nf
