// Renders windows to PNG files:
//   ninefold-shot [--data DIR] [--out DIR] [NAME...]   windows of the catalogue as created
//   ninefold-shot --in-play [--data DIR] [--out DIR]   every screen as a player sees it
//   ninefold-shot --texts                               every text to translate, one a line
//   ninefold-shot --say TEXT                            the text in the system's language
// With no names, every window. Pictures come from the game's folder (by default the
// program's own folder); --lang CODE ("de") shows the windows in that language, as
// translated in the game folder.
#include "ScreensInPlay.h"
#include "WindowShot.h"
#include "front/TextsToTranslate.h"
#include "platform/GameFolder.h"
#include "platform/GameTexts.h"
#include "screens/Screens.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString data = QCoreApplication::applicationDirPath(), out = QStringLiteral(".");
    QStringList names;
    bool inPlay = false;
    QString language;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            data = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--in-play"))
            inPlay = true;
        else if (args[i] == QLatin1String("--lang") && i + 1 < args.size())
            language = args[++i];
        else if (args[i] == QLatin1String("--say") && i + 1 < args.size()) {
            // As the game chooses its language at start-up.
            nf::installTranslation(nf::GameFolder(data));
            std::printf("%s\n", qPrintable(nf::gameText(args[i + 1].toStdString())));
            return 0;
        } else if (args[i] == QLatin1String("--texts")) {
            for (const std::string& text : nf::textsToTranslate())
                std::printf("%s\n", text.c_str());
            return 0;
        } else
            names << args[i];
    }
    QDir().mkpath(out);
    if (!language.isEmpty() &&
        nf::installTranslation(nf::GameFolder(data), QLocale(language)).isEmpty()) {
        std::fprintf(stderr, "ninefold-shot: no translation for %s\n", qPrintable(language));
        return 1;
    }
    if (inPlay) {
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
