#include "ui/ui_language.h"

namespace tarvik::ui {

UiLanguage UiLanguageFor(const QStringList& ui_languages) {
  if (ui_languages.isEmpty()) return UiLanguage::kNeutral;
  const QString& first = ui_languages.front();
  return first == "de" || first.startsWith("de-") || first.startsWith("de_") ? UiLanguage::kGerman
                                                                             : UiLanguage::kNeutral;
}

}  // namespace tarvik::ui
