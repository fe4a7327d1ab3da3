#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

namespace nf {

// The entry point `entry` of the module `file` in `folder`, or nullptr. dlopen rather than
// QLibrary: QLibrary would also try other names and a "haswell" subfolder, and binds each
// symbol only at its first call, where a missing one ends the program. Bound at load, a module
// with a missing symbol simply does not load. A loaded module stays: what its entry makes runs
// its code.
template <typename Entry>
Entry moduleEntry(const QString& folder, const char* file, const char* entry) {
    const QString path = QDir(folder).filePath(QLatin1String(file));
    if (!QFileInfo(path).isFile()) // opening a pipe would wait for a writer
        return nullptr;
    void* module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return nullptr;
    const auto make = reinterpret_cast<Entry>(::dlsym(module, entry));
    if (!make)
        ::dlclose(module);
    return make;
}

} // namespace nf
