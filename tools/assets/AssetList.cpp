#include "AssetList.h"

namespace nf::assets {

// Each picture has the size of the place that shows it: the inside of the title screen's
// picture box, the image places of the setup screen and the rules pages, the spot places.
std::vector<PictureFile> pictureFiles() {
    std::vector<PictureFile> files = {
        {"Images/opening.jpg", {320, 204}},  {"Images/logo2.jpg", {100, 139}},
        {"Images/start.jpg", {189, 241}},    {"Images/board.jpg", {400, 100}},
        {"Images/gameover.jpg", {320, 240}},
    };
    for (const char* colour : {"red", "magenta", "yellow", "green"})
        files.push_back({QStringLiteral("Images/%1spot.jpg").arg(QLatin1String(colour)), {65, 65}});
    // Twice the pixels for dense screens, beside each picture.
    const std::size_t pictures = files.size();
    for (std::size_t i = 0; i < pictures; ++i)
        files.push_back(
            {QString(files[i].path).replace(QLatin1String(".jpg"), QLatin1String("@2x.jpg")),
             files[i].size * 2});
    for (const char* icon : {"die", "rings"})
        for (int size : {16, 32, 48, 256})
            files.push_back({QStringLiteral("icons/%1-%2.png").arg(QLatin1String(icon)).arg(size),
                             {size, size}});
    return files;
}

std::vector<QString> soundFiles() {
    return {"wav/click.wav", "wav/click1.wav", "wav/cupdice.wav", "wav/ping.wav", "wav/gong.wav"};
}

} // namespace nf::assets
