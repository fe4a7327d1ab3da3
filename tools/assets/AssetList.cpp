#include "AssetList.h"

#include "engine/GameFiles.h"

#include <algorithm>

namespace nf::assets {

// Each picture has the size of the place that shows it: the inside of the title screen's
// picture box, the image places of the setup screen and the rules pages, the spot places.
QString written(std::string_view gameName) {
    QString path = QString::fromLatin1(gameName.data(), static_cast<qsizetype>(gameName.size()))
                       .replace(QLatin1Char('\\'), QLatin1Char('/'));
    // The game writes the pictures' folder "Images" and "images"; on disk it is one folder.
    if (path.startsWith(QLatin1String("images/"), Qt::CaseInsensitive))
        path.replace(0, 6, QStringLiteral("Images"));
    return path;
}

std::vector<PictureFile> pictureFiles() {
    std::vector<PictureFile> files = {
        {written(pictures::opening), {320, 204}},
        {written(pictures::logo), {100, 139}},
        {written(pictures::rulesPages[0]), {189, 241}},
        {written(pictures::rulesPages[1]), {400, 100}},
        {written(pictures::rulesPages[2]), {320, 240}},
    };
    for (std::string_view spot : pictures::spots)
        files.push_back({written(spot), {65, 65}});
    // Pictures with words once more in every translated language, at the same size.
    for (std::string_view picture : pictures::withWords) {
        const auto designed = std::find_if(files.begin(), files.end(), [&](const PictureFile& f) {
            return f.path == written(picture);
        });
        const QSize size = designed->size;
        for (std::string_view language : translatedLanguages)
            files.push_back({written(inLanguage(picture, language)), size,
                             QString::fromLatin1(language.data(), qsizetype(language.size()))});
    }
    // Twice the pixels for dense screens, beside each picture.
    const std::size_t pictures = files.size();
    for (std::size_t i = 0; i < pictures; ++i)
        files.push_back(
            {QString(files[i].path).replace(QLatin1String(".jpg"), QLatin1String("@2x.jpg")),
             files[i].size * 2, files[i].language});
    for (std::string_view icon : icons::all)
        for (int size : icons::sizes)
            files.push_back({written(icons::ofSize(icon, size)), {size, size}});
    return files;
}

std::vector<QString> soundFiles() {
    return {written(sounds::click), written(sounds::cover), written(sounds::dice),
            written(sounds::turnOver), written(sounds::endOfGame)};
}

} // namespace nf::assets
