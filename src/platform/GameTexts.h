#pragma once

#include "engine/Text.h"

#include <QLocale>
#include <QString>

class QTranslator;

namespace nf {

class GameFolder;

// The player's language. The game's texts are written in English; a translation for the
// system's language (as LANGUAGE, LC_ALL, LC_MESSAGES and LANG choose it) comes from the
// game folder's "translations" folder. Without one, every text stays exactly as written.
// Returns the language installed as its translation names it ("de", "pt_BR"), or nothing for
// English.
QString installTranslation(const GameFolder& folder, const QLocale& locale = QLocale::system());
// Takes the installed translation away again (for tests that switch languages).
void removeTranslation();

// A text of the game in the player's language, as the translation has it in the text's
// context; English, and a text without a context, as written.
QString gameText(Text text);
// The text as the translator given has it; without one, or a translation, as written.
QString textIn(const QTranslator* translator, Text text);
// The installed language, empty for English.
QString gameLanguage();

} // namespace nf
