// What the help window shows for a help request or a followed link: the page in the user's
// language. Whatever is asked, the user gets a page: an item without a topic brings the contents
// with a short note rather than an error.
#ifndef TARVIK_DIALOGS_HELP_BOOK_H_
#define TARVIK_DIALOGS_HELP_BOOK_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/help_viewer.h"
#include "res/string_table.h"

namespace tarvik {

struct HelpPage {
  std::string html;
  int context = 0;  // 0 for the contents
};

// The page for a help request: the contents, or the topic asked for, or the contents with a note
// when there is no such topic.
HelpPage ResolveHelp(const HelpRequest& request, UiLanguage language);

// The page a link leads to: "topic:<context>" or "contents"; nothing for any other link or a
// topic that does not exist.
std::optional<HelpPage> FollowHelpLink(std::string_view href, UiLanguage language);

// The help window's pages as the user moves through them: the page shown and those before it,
// for Back. Both fronts' help windows keep their pages here.
class HelpHistory {
 public:
  explicit HelpHistory(UiLanguage language) : language_(language) {}

  // Shows the page a help request asks for. A new visit (the window was closed) forgets the pages
  // before it.
  void Open(const HelpRequest& request, bool new_visit);
  // Follows a link of the page shown; false when it leads nowhere.
  bool Follow(std::string_view href);
  void Back();

  // The page shown, null before the first.
  const HelpPage* shown() const { return shown_ ? &*shown_ : nullptr; }
  bool can_go_back() const { return !earlier_.empty(); }

 private:
  void Show(HelpPage page);

  UiLanguage language_;
  std::optional<HelpPage> shown_;
  std::vector<HelpPage> earlier_;  // the latest last
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HELP_BOOK_H_
