#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

namespace nf {

std::optional<int> answerCommandLine(int argc, char** argv) {
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
    // Answers --help, --help-all and --version, and refuses unknown options, ending the program.
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::cerr << "ninefold takes no file or other argument: "
                  << qPrintable(parser.positionalArguments().join(' ')) << "\n\n"
                  << qPrintable(parser.helpText());
        return 2;
    }
    return std::nullopt;
}

} // namespace nf
