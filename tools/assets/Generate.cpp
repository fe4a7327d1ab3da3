#include "Generate.h"

#include "AssetList.h"
#include "Pictures.h"
#include "RulesDocument.h"
#include "Sounds.h"
#include "Wav.h"
#include "engine/GameFiles.h"
#include "engine/Index.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTranslator>
#include <functional>
#include <map>
#include <memory>

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

// The picture in the translator's language, when it has words.
QImage drawPicture(const PictureFile& file, const QTranslator* translator) {
    const bool dense = file.path.contains(QLatin1String("@2x"));
    const qreal scale = dense ? 2 : 1;
    const QSize size = file.size / scale;
    QString name = QString(file.path).remove(QLatin1String("@2x"));
    if (!file.language.isEmpty())
        name.remove(QLatin1Char('.') + file.language); // the designed picture's name
    const std::map<QString, std::function<QImage(QSize, qreal)>> painters = {
        {written(pictures::opening), openingPicture},
        {written(pictures::logo), logoPicture},
        {written(pictures::rulesPages[0]), startPicture},
        {written(pictures::rulesPages[1]), boardPicture},
        {written(pictures::rulesPages[2]),
         [translator](QSize s, qreal k) { return gameOverPicture(s, k, translator); }},
    };
    if (auto it = painters.find(name); it != painters.end())
        return it->second(size, scale);
    for (int player = 0; player < 4; ++player)
        if (name == written(pictures::spots[idx(player)]))
            return spotPicture(player, size, scale);
    return name.contains(QLatin1String("rings")) ? ringsIcon(file.size.width())
                                                 : dieIcon(file.size.width());
}

} // namespace

QStringList generateAll(const QString& folder) {
    const QDir dir(folder);
    QStringList failed;
    // The translations the build has just made, for the files made in every language.
    std::map<QString, std::unique_ptr<QTranslator>> translators;
    for (std::string_view code : translatedLanguages) {
        const QString language = QString::fromLatin1(code.data(), qsizetype(code.size()));
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(
                dir.filePath(QStringLiteral("translations/ninefold_%1.qm").arg(language))))
            translators[language] = std::move(translator);
    }
    for (const PictureFile& file : pictureFiles()) {
        const QTranslator* translator = nullptr;
        if (!file.language.isEmpty()) {
            const auto found = translators.find(file.language);
            if (found == translators.end()) {
                failed << file.path;
                continue;
            }
            translator = found->second.get();
        }
        if (!writeImage(dir.filePath(file.path), drawPicture(file, translator)))
            failed << file.path;
    }
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
    // One more in each language the game has a translation for.
    for (std::string_view language : translatedLanguages) {
        const QString document = written(inLanguage(files::rulesDocument, language));
        const auto translator =
            translators.find(QString::fromLatin1(language.data(), qsizetype(language.size())));
        if (translator == translators.end() ||
            !writeBytes(dir.filePath(document), rulesDocument(translator->second.get())))
            failed << document;
    }
    return failed;
}

} // namespace nf::assets
