// Writes the game's data files (sounds, pictures, icons, the rules document) into a folder.
#include "Generate.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ninefold-assets FOLDER\n");
        return 2;
    }
    const QStringList failed = nf::assets::generateAll(QString::fromLocal8Bit(argv[1]));
    for (const QString& file : failed)
        std::fprintf(stderr, "ninefold-assets: could not write %s\n", qPrintable(file));
    return failed.isEmpty() ? 0 : 1;
}
