#include "RecordBackend.h"
#include "platform/ModuleEntry.h"

#include <QDir>
#include <QStandardPaths>

namespace nf {

QString recordPath() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/ninefold/record.sqlite");
}

// As the sound module is loaded, and for the same reasons.
std::unique_ptr<RecordBackend> loadRecordStore(const QString& programFolder, const QString& path) {
    const auto make =
        moduleEntry<RecordModuleEntry>(programFolder, kRecordModuleFile, kRecordModuleEntry);
    return std::unique_ptr<RecordBackend>(make ? make(path) : nullptr);
}

} // namespace nf
