#include "GameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace nf {

GameFolder GameFolder::besideProgram() {
    return GameFolder(QCoreApplication::applicationDirPath());
}

namespace {

QString matchingEntry(const QDir& dir, const QString& part) {
    if (dir.exists(part))
        return part;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    return part;
}

} // namespace

QString GameFolder::path(const QString& gameName) const {
    QString name = gameName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString current = QDir(base_).absolutePath();
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            continue; // game names never climb out of the game's folder
        current = QDir(current).filePath(matchingEntry(QDir(current), part));
    }
    return current;
}

} // namespace nf
