#include "RecordBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <dlfcn.h>

namespace nf {

QString recordPath() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/ninefold/record.sqlite");
}

// As the sound module is loaded, and for the same reasons: bound at load, never by QLibrary.
std::unique_ptr<RecordBackend> loadRecordStore(const QString& programFolder, const QString& path) {
    const QString file = QDir(programFolder).filePath(QLatin1String(kRecordModuleFile));
    if (!QFileInfo(file).isFile())
        return nullptr;
    void* module = ::dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return nullptr;
    const auto make = reinterpret_cast<RecordModuleEntry>(::dlsym(module, kRecordModuleEntry));
    if (!make) {
        ::dlclose(module);
        return nullptr;
    }
    return std::unique_ptr<RecordBackend>(make(path));
}

} // namespace nf
