#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

namespace nf {

class GameFolder;

// The player's language. The game's texts are written in English; a translation for the
// system's language (as LANGUAGE, LC_ALL, LC_MESSAGES and LANG choose it) comes from the
// game folder's "translations" folder. Without one, every text stays exactly as written.
// Returns the language installed ("de"), or nothing for English.
QString installTranslation(const GameFolder& folder, const QLocale& locale = QLocale::system());
// Takes the installed translation away again (for tests that switch languages).
void removeTranslation();

// A text of the game in the player's language.
QString gameText(std::string_view english);
// The installed language, empty for English.
QString gameLanguage();

} // namespace nf
