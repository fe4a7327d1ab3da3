#include "SoundModule.h"

#include <QDir>
#include <QLibrary>

namespace nf {

std::unique_ptr<SoundBackend> loadSoundBackend(const QString& folder) {
    QLibrary module(QDir(folder).filePath(QStringLiteral("ninefold-sound")));
    const auto make = reinterpret_cast<SoundModuleEntry>(module.resolve(kSoundModuleEntry));
    return std::unique_ptr<SoundBackend>(make ? make() : nullptr);
}

} // namespace nf
