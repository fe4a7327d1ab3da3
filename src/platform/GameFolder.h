#pragma once

#include <QString>
#include <string_view>

namespace nf {

// One of the game's file names (GameFiles.h) as Qt takes it.
inline QString gameName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Resolves the game's file names ("wav\click.wav", "Images\board.jpg") against the game's
// folder: backslashes separate parts, and each part matches a file or folder whatever its
// letter case, so "Images" and "images" reach the same folder.
class GameFolder {
public:
    // The folder that holds the running program.
    static GameFolder besideProgram();
    explicit GameFolder(QString base) : base_(std::move(base)) {}

    const QString& base() const { return base_; }
    // The absolute path of the named file; parts that match nothing stay as written.
    QString path(const QString& gameName) const;

private:
    QString base_;
};

} // namespace nf
