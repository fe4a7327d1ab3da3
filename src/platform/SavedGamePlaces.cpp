#include "SavedGamePlaces.h"

#include "GameFolder.h"

#include <QDir>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace nf {
namespace {

QString homeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return home;
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return QFile::decodeName(found->pw_dir);
}

QString stateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty() && QDir::isAbsolutePath(state)) // relative ones are to be ignored
        return state;
    const QString home = homeFolder();
    return home.isEmpty() ? QString() : QDir(home).filePath(QStringLiteral(".local/state"));
}

} // namespace

SavedGamePlaces besideProgramOnly(const GameFolder& folder) {
    return {folder.path(QLatin1String(kSavedGameFile)), {}};
}

SavedGamePlaces savedGamePlacesFor(const GameFolder& folder) {
    SavedGamePlaces places = besideProgramOnly(folder);
    const QString state = stateFolder();
    if (!state.isEmpty())
        places.userState = QDir(state).filePath(QStringLiteral("ninefold/") + kSavedGameFile);
    return places;
}

} // namespace nf
