#pragma once

#include <QSize>
#include <QString>
#include <vector>

namespace nf::assets {

// Every data file the game reads, as the generator writes it beside the program.
struct PictureFile {
    QString path; // relative to the game's folder
    QSize size;
};

std::vector<PictureFile> pictureFiles(); // JPEG pictures and PNG icons
std::vector<QString> soundFiles();
const char* const kRulesDocument = "Ninefold Rules.doc";

} // namespace nf::assets
