#include "GameTexts.h"

#include "GameFolder.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace nf {
namespace {

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QString& language() {
    static QString code;
    return code;
}

} // namespace

QString installTranslation(const GameFolder& folder, const QLocale& locale) {
    removeTranslation();
    auto translator = std::make_unique<QTranslator>();
    // English is the language the texts are written in: no file, whatever else the list holds.
    // Languages without a translation are passed over for the next one, and so is the "C" Qt
    // puts in after a code it does not know ("zz:fr" is French). A language translated in one
    // country's form serves its other countries that write the same script (Portugal reads the
    // Brazilian translation, Singapore the Simplified Chinese), never another script (Taiwan's
    // and Hong Kong's Traditional Chinese stay English).
    const auto load = [&translator, &folder](const QLocale& wanted) {
        return translator->load(wanted, QStringLiteral("ninefold"), QStringLiteral("_"),
                                folder.path(QStringLiteral("translations")));
    };
    for (const QString& ui : locale.uiLanguages()) {
        if (ui == QLatin1String("C"))
            continue;
        if (ui.startsWith(QLatin1String("en")))
            return {};
        const QLocale wanted(ui);
        if (load(wanted) ||
            load(QLocale(wanted.language(), wanted.script(), QLocale::AnyTerritory)))
            break;
    }
    if (translator->isEmpty())
        return {};
    language() = translator->language();
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    return language();
}

void removeTranslation() {
    if (installed())
        QCoreApplication::removeTranslator(installed().get());
    installed().reset();
    language().clear();
}

QString gameText(Text text) {
    return textIn(installed().get(), text);
}

QString textIn(const QTranslator* translator, Text text) {
    const QByteArray source(text.english.data(), static_cast<qsizetype>(text.english.size()));
    const QByteArray context(text.context.data(), static_cast<qsizetype>(text.context.size()));
    const QString translated = translator && !context.isEmpty()
                                   ? translator->translate(context.constData(), source.constData())
                                   : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QString gameLanguage() {
    return language();
}

} // namespace nf
