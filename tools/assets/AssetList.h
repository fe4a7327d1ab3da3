#pragma once

#include <QSize>
#include <QString>
#include <string_view>
#include <vector>

namespace nf::assets {

// Every data file the game reads, as the generator writes it beside the program.
struct PictureFile {
    QString path; // relative to the game's folder
    QSize size;
    QString language = {}; // of its words ("de"), empty for the designed picture
};

std::vector<PictureFile> pictureFiles(); // JPEG pictures and PNG icons
std::vector<QString> soundFiles();

// Where the generator writes one of the game's files (GameFiles.h), relative to its folder.
QString written(std::string_view gameName);

} // namespace nf::assets
