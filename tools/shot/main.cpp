// Renders windows to PNG files:
//   ninefold-shot [--data DIR] [--out DIR] [NAME...]   windows of the catalogue as created
//   ninefold-shot --in-play [--data DIR] [--out DIR]   every screen as a player sees it
//   ninefold-shot --say TEXT [--context NAME]           the text in the system's language
// With no names, every window. Pictures come from the game's folder (by default the
// program's own folder); --lang CODE ("de") shows the windows in that language, as
// translated in the game folder. --help prints the options; an option it does not know is
// refused with them, exit code 2.
#include "ScreensInPlay.h"
#include "WindowShot.h"
#include "platform/GameFolder.h"
#include "platform/GameTexts.h"
#include "screens/Screens.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders Ninefold's windows to PNG files: the windows named, or every "
                       "window of the catalogue."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QStringLiteral("The game's folder, for pictures and translations (the program's own "
                       "by default)."),
        QStringLiteral("DIR"), QCoreApplication::applicationDirPath());
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Where the PNG files go."),
                                       QStringLiteral("DIR"), QStringLiteral("."));
    const QCommandLineOption inPlayOption(QStringLiteral("in-play"),
                                          QStringLiteral("Every screen as a player sees it."));
    const QCommandLineOption langOption(
        QStringLiteral("lang"), QStringLiteral("The language to show the windows in (\"de\")."),
        QStringLiteral("CODE"));
    const QCommandLineOption sayOption(QStringLiteral("say"),
                                       QStringLiteral("Prints TEXT in the system's language."),
                                       QStringLiteral("TEXT"));
    const QCommandLineOption contextOption(
        QStringLiteral("context"),
        QStringLiteral("The context of the text to --say, as the translations name it (Board "
                       "by default)."),
        QStringLiteral("NAME"), QStringLiteral("Board"));
    parser.addOptions({dataOption, outOption, inPlayOption, langOption, sayOption, contextOption});
    parser.addPositionalArgument(QStringLiteral("names"), QStringLiteral("Windows to render."),
                                 QStringLiteral("[NAME...]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "ninefold-shot: %s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    const QString data = parser.value(dataOption), out = parser.value(outOption);
    const QString language = parser.value(langOption);
    QStringList names = parser.positionalArguments();
    if (parser.isSet(sayOption)) {
        // As the game chooses its language at start-up.
        nf::installTranslation(nf::GameFolder(data));
        const std::string context = parser.value(contextOption).toStdString();
        const std::string text = parser.value(sayOption).toStdString();
        std::printf("%s\n", qPrintable(nf::gameText({context, text})));
        return 0;
    }
    QDir().mkpath(out);
    if (!language.isEmpty() &&
        nf::installTranslation(nf::GameFolder(data), QLocale(language)).isEmpty()) {
        std::fprintf(stderr, "ninefold-shot: no translation for %s\n", qPrintable(language));
        return 1;
    }
    if (parser.isSet(inPlayOption)) {
        int failures = 0;
        for (const auto& [name, image] : nf::renderScreensInPlay(data)) {
            const QString file = QDir(out).filePath(name + QLatin1String(".png"));
            failures += image.save(file) ? 0 : 1;
            std::printf("%s\n", qPrintable(file));
        }
        return failures == 0 ? 0 : 1;
    }
    if (names.isEmpty())
        for (const nf::WindowSpec& design : nf::allWindowSpecs())
            names << QString::fromStdString(design.name);
    QDir().mkpath(out);
    int failures = 0;
    for (const QString& name : names) {
        const nf::WindowSpec* design = nf::findWindowSpec(name.toStdString());
        const QString file = QDir(out).filePath(name + QLatin1String(".png"));
        if (!design || !nf::renderWindow(*design, nf::GameFolder(data)).save(file)) {
            std::fprintf(stderr, "ninefold-shot: cannot render %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return failures == 0 ? 0 : 1;
}
