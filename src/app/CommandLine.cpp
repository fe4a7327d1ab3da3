#include "CommandLine.h"

#include "engine/Players.h"
#include "platform/GameFolder.h"
#include "platform/GameTexts.h"
#include "statistics/StatisticsText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>
#include <cstring>
#include <iostream>

namespace nf {
namespace {

// Options that QGuiApplication, QApplication and Qt's X11 platform take for themselves.
constexpr std::array kQtOptionsWithValue = {"platform",
                                            "platformpluginpath",
                                            "platformtheme",
                                            "plugin",
                                            "qwindowgeometry",
                                            "qwindowicon",
                                            "qwindowtitle",
                                            "session",
                                            "display",
                                            "geometry",
                                            "title",
                                            "icon",
                                            "name",
                                            "visual",
                                            "style",
                                            "stylesheet",
                                            "qmljsdebugger",
                                            "dialogs",
                                            "fontengine"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "sync",
                                 "nograb",  "dograb",      "testability"};

void addQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The player's record as text, in the player's language, without any display.
int printStatistics() {
    const GameFolder folder = GameFolder::besideProgram();
    installTranslation(folder);
    const std::unique_ptr<RecordBackend> store = loadRecordStore(folder.base());
    const std::optional<RecordFigures> figures =
        store ? store->read(1) : std::optional<RecordFigures>();
    if (!store)
        std::cerr << "ninefold: " << kRecordModuleFile << " did not load\n";
    std::cout << qPrintable(statistics::report(figures.value_or(RecordFigures{})));
    return figures ? 0 : 1;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv, StartOptions& options) {
    if (argc <= 1)
        return std::nullopt; // the usual start, without the cost of a parser
    QCoreApplication::setApplicationName(QStringLiteral("ninefold"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NINEFOLD_VERSION));
    // An application object of its own, without any display, gone before the game's starts.
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    static_assert(kRounds == 5, "the description says five rounds");
    parser.setApplicationDescription(QStringLiteral(
        "Ninefold: a dice game for one to four players. Cover the numbers 1 to 9 with the sum "
        "of two dice or with both dice's numbers; after five rounds the highest total wins.\n"
        "Qt's own options, such as -platform NAME or -style NAME, are taken as well."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption computer(
        QStringLiteral("computer"),
        QStringLiteral("How the computer plays in a one-player game: classic (the default) or "
                       "expert (the best move every time)."),
        QStringLiteral("classic|expert"), QStringLiteral("classic"));
    parser.addOption(computer);
    const QCommandLineOption statistics(
        QStringLiteral("statistics"),
        QStringLiteral("Print the statistics of the matches played to their end, and end."));
    parser.addOption(statistics);
    const QCommandLineOption statisticsWindow(
        QStringLiteral("statistics-window"),
        QStringLiteral("Show the statistics window alone; the program ends when it closes."));
    parser.addOption(statisticsWindow);
    addQtOptions(parser);
    const auto refuse = [&parser](const QString& why) {
        std::cerr << "ninefold: " << qPrintable(why) << "\n\n" << qPrintable(parser.helpText());
        return 2;
    };
    // The whole line is checked before --help or --version answers, so that a wrong one never
    // ends with 0.
    if (!parser.parse(app.arguments()))
        return refuse(parser.errorText());
    // Qt reads its options' values only as the next word (-style= aside).
    for (const QString& argument : app.arguments())
        for (const char* name : kQtOptionsWithValue)
            if (argument.startsWith(QLatin1Char('-') + QLatin1String(name) + QLatin1Char('=')) ||
                argument.startsWith(QLatin1String("--") + QLatin1String(name) + QLatin1Char('=')))
                if (std::strcmp(name, "style") != 0 && std::strcmp(name, "stylesheet") != 0 &&
                    std::strcmp(name, "qmljsdebugger") != 0)
                    return refuse(QStringLiteral("Qt takes -%1 VALUE, not %2")
                                      .arg(QLatin1String(name), argument));
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("no file or other argument is taken: ") +
                      parser.positionalArguments().join(' '));
    const QString play = parser.value(computer);
    if (play != QLatin1String("classic") && play != QLatin1String("expert"))
        return refuse(QStringLiteral("--computer takes classic or expert, not ") + play);
    // Answers --help, --help-all and --version as Qt does, ending the program.
    parser.process(app);
    if (parser.isSet(statistics))
        return printStatistics();
    options.statisticsWindow = parser.isSet(statisticsWindow);
    options.computer =
        play == QLatin1String("expert") ? ComputerPlay::Expert : ComputerPlay::Classic;
    options.platform = parser.value(QStringLiteral("platform")).toStdString();
    options.display = parser.value(QStringLiteral("display")).toStdString();
    return std::nullopt;
}

} // namespace nf
