// Writes the game's data files (sounds, pictures, icons, the rules document) into a folder.
#include "Generate.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {
constexpr const char* kUsage =
    "usage: ninefold-assets FOLDER\nWrites every data file the game reads into FOLDER.\n";
}

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList failed = nf::assets::generateAll(QString::fromLocal8Bit(argv[1]));
    for (const QString& file : failed)
        std::fprintf(stderr, "ninefold-assets: could not write %s\n", qPrintable(file));
    return failed.isEmpty() ? 0 : 1;
}
