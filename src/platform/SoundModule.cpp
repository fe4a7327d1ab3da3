#include "SoundModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

namespace nf {

std::unique_ptr<SoundBackend> loadSoundBackend(const QString& folder) {
    // dlopen rather than QLibrary: QLibrary would also try other names and a "haswell"
    // subfolder, and binds each symbol only at its first call, where a missing one ends the
    // program. Bound at load, a module with a missing symbol simply does not load.
    const QString path = QDir(folder).filePath(QLatin1String(kSoundModuleFile));
    if (!QFileInfo(path).isFile()) // opening a pipe would wait for a writer
        return nullptr;
    void* module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return nullptr;
    const auto make = reinterpret_cast<SoundModuleEntry>(::dlsym(module, kSoundModuleEntry));
    if (!make) {
        ::dlclose(module);
        return nullptr;
    }
    return std::unique_ptr<SoundBackend>(make()); // the module stays: the backend's code is in it
}

} // namespace nf
