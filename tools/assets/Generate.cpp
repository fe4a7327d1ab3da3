#include "Generate.h"

#include "AssetList.h"
#include "Pictures.h"
#include "RulesDocument.h"
#include "Sounds.h"
#include "Wav.h"
#include "engine/GameFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTranslator>
#include <functional>
#include <map>

namespace nf::assets {
namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writeImage(const QString& path, const QImage& image) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, nullptr, path.endsWith(QLatin1String(".jpg")) ? 92 : -1);
}

QImage drawPicture(const PictureFile& file) {
    const bool dense = file.path.contains(QLatin1String("@2x"));
    const qreal scale = dense ? 2 : 1;
    const QSize size = file.size / scale;
    const QString name = QString(file.path).remove(QLatin1String("@2x"));
    static const std::map<QString, std::function<QImage(QSize, qreal)>> painters = {
        {written(pictures::opening), openingPicture},
        {written(pictures::logo), logoPicture},
        {written(pictures::rulesPages[0]), startPicture},
        {written(pictures::rulesPages[1]), boardPicture},
        {written(pictures::rulesPages[2]), gameOverPicture},
    };
    if (auto it = painters.find(name); it != painters.end())
        return it->second(size, scale);
    for (int player = 0; player < 4; ++player)
        if (name == written(pictures::spots[static_cast<std::size_t>(player)]))
            return spotPicture(player, size, scale);
    return name.contains(QLatin1String("rings")) ? ringsIcon(file.size.width())
                                                 : dieIcon(file.size.width());
}

} // namespace

QStringList generateAll(const QString& folder) {
    const QDir dir(folder);
    QStringList failed;
    for (const PictureFile& file : pictureFiles())
        if (!writeImage(dir.filePath(file.path), drawPicture(file)))
            failed << file.path;
    const std::vector<std::pair<QString, std::pair<std::vector<float>, float>>> made = {
        {written(sounds::click), {buttonClick(), 0.8f}},
        {written(sounds::cover), {coverTick(), 0.5f}},
        {written(sounds::dice), {diceInCup(), 0.7f}},
        {written(sounds::turnOver), {ping(), 0.6f}},
        {written(sounds::endOfGame), {gong(), 0.85f}},
    };
    for (const auto& [path, sound] : made)
        if (!writeBytes(dir.filePath(path), encodeWav(sound.first, sound.second)))
            failed << path;
    if (!writeBytes(dir.filePath(written(files::rulesDocument)), rulesDocument()))
        failed << written(files::rulesDocument);
    // One more for each language the game has a translation for.
    const QDir translations(dir.filePath(QStringLiteral("translations")));
    for (const QString& qm : translations.entryList({QStringLiteral("ninefold_*.qm")})) {
        QTranslator translator;
        const QString language = qm.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
        const QString document =
            QString::fromStdString(files::rulesDocumentIn(language.toStdString()));
        if (!translator.load(translations.filePath(qm)) ||
            !writeBytes(dir.filePath(document), rulesDocument(&translator)))
            failed << document;
    }
    return failed;
}

} // namespace nf::assets
