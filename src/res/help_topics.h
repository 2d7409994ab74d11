// The help pages in English and German: a contents page and one topic per help context, as HTML
// for the help window. Links between pages read "topic:<context>" and "contents".
#ifndef TARVIK_RES_HELP_TOPICS_H_
#define TARVIK_RES_HELP_TOPICS_H_

#include <optional>
#include <string_view>

#include "res/string_table.h"

namespace tarvik {

// The topic's page, or nothing when there is no topic for the context.
std::optional<std::string_view> HelpTopicHtml(int context, UiLanguage language);
std::string_view HelpContentsHtml(UiLanguage language);
// A line put above the contents when the item asked about has no topic of its own.
std::string_view HelpNoTopicHtml(UiLanguage language);

// The help window's own texts.
struct HelpWindowTexts {
  std::string_view caption;
  std::string_view contents;  // the button that shows the contents
  std::string_view back;      // the button that returns to the page shown before
};
const HelpWindowTexts& HelpWindowTextsFor(UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_RES_HELP_TOPICS_H_
