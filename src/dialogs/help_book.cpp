#include "dialogs/help_book.h"

#include "base/number_text.h"
#include "res/help_topics.h"

namespace tarvik {
namespace {

constexpr std::string_view kTopicLink = "topic:";
constexpr std::string_view kContentsLink = "contents";

HelpPage ContentsPage(UiLanguage language) { return {std::string(HelpContentsHtml(language)), 0}; }

// The contents under a line saying that the item asked about has no help.
HelpPage NoTopicPage(UiLanguage language) {
  HelpPage page = ContentsPage(language);
  page.html.insert(0, HelpNoTopicHtml(language));
  return page;
}

HelpPage TopicOrNote(int context, UiLanguage language) {
  if (const auto html = HelpTopicHtml(context, language)) return {std::string(*html), context};
  return NoTopicPage(language);
}

}  // namespace

HelpPage ResolveHelp(const HelpRequest& request, UiLanguage language) {
  if (request.page == HelpRequest::Page::kContents) return ContentsPage(language);
  if (!request.context) return NoTopicPage(language);
  return TopicOrNote(*request.context, language);
}

std::optional<HelpPage> FollowHelpLink(std::string_view href, UiLanguage language) {
  if (href == kContentsLink) return ContentsPage(language);
  if (!href.starts_with(kTopicLink)) return std::nullopt;
  const auto context = ParseUnsignedField(href.substr(kTopicLink.size()));
  if (!context || *context > 0x7fffffffu) return std::nullopt;
  const auto html = HelpTopicHtml(static_cast<int>(*context), language);
  if (!html) return std::nullopt;
  return HelpPage{std::string(*html), static_cast<int>(*context)};
}

void HelpHistory::Open(const HelpRequest& request, bool new_visit) {
  if (new_visit) {
    earlier_.clear();
    shown_.reset();
  }
  Show(ResolveHelp(request, language_));
}

bool HelpHistory::Follow(std::string_view href) {
  std::optional<HelpPage> page = FollowHelpLink(href, language_);
  if (!page) return false;
  Show(std::move(*page));
  return true;
}

void HelpHistory::Back() {
  if (earlier_.empty()) return;
  shown_ = std::move(earlier_.back());
  earlier_.pop_back();
}

void HelpHistory::Show(HelpPage page) {
  if (shown_) earlier_.push_back(std::move(*shown_));
  shown_ = std::move(page);
}

}  // namespace tarvik
