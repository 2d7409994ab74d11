#include "res/help_topics.h"

#include "res/help_pages.h"

namespace tarvik {
namespace {

const HelpLanguagePages& PagesFor(UiLanguage language) {
  return language == UiLanguage::kGerman ? GermanHelpPages() : EnglishHelpPages();
}

}  // namespace

std::optional<std::string_view> HelpTopicHtml(int context, UiLanguage language) {
  for (const HelpPageText& page : PagesFor(language).topics) {
    if (page.context == context) return page.html;
  }
  const bool german = language == UiLanguage::kGerman;
  for (const HelpPageText& page : german ? GermanHistoryHelpTopics() : EnglishHistoryHelpTopics()) {
    if (page.context == context) return page.html;
  }
  return std::nullopt;
}

std::string_view HelpContentsHtml(UiLanguage language) { return PagesFor(language).contents; }

std::string_view HelpNoTopicHtml(UiLanguage language) { return PagesFor(language).no_topic; }

const HelpWindowTexts& HelpWindowTextsFor(UiLanguage language) { return PagesFor(language).window; }

}  // namespace tarvik
