// The set of windows and texts a user gets: German for a German user interface, the neutral
// English set for every other language.
#ifndef TARVIK_UI_UI_LANGUAGE_H_
#define TARVIK_UI_UI_LANGUAGE_H_

#include <QStringList>

#include "res/string_table.h"

namespace tarvik::ui {

// From the user's interface languages in order of preference, as QLocale::uiLanguages() gives
// them ("de-DE", "en-US", ...): the first decides.
UiLanguage UiLanguageFor(const QStringList& ui_languages);

}  // namespace tarvik::ui

#endif  // TARVIK_UI_UI_LANGUAGE_H_
