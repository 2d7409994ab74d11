// The Help menu: the page each call gets, the calls the main window makes for the menu and for
// help on a control, with the table of controls and topics, and the About box.
#include "dialogs/help.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "dialogs/help_book.h"
#include "doubles/quiet_services.h"
#include "res/about_template.h"
#include "res/help_topics.h"

namespace tarvik {
namespace {

constexpr UiLanguage kEnglish = UiLanguage::kNeutral;

std::optional<HelpPage> Ask(HelpCommand command, int context, int control,
                            std::span<const HelpPair> table = HelpContextTable()) {
  return ResolveHelp(kHelpFile, {command, context, control, table}, kEnglish);
}

TEST(HelpTest, EveryCallGetsAPageAndAnItemWithoutATopicGetsTheContentsWithANote) {
  EXPECT_EQ(Ask(HelpCommand::kWmHelp, 0, 130)->context, 1204);
  EXPECT_EQ(Ask(HelpCommand::kContextMenu, 0, 111)->html, HelpTopicHtml(1201, kEnglish));
  EXPECT_EQ(Ask(HelpCommand::kContext, kUsingHelpContext, 0)->html,
            HelpTopicHtml(kUsingHelpContext, kEnglish));
  EXPECT_EQ(Ask(HelpCommand::kFinder, 0, 0)->html, HelpContentsHtml(kEnglish));
  const std::string note =
      std::string(HelpNoTopicHtml(kEnglish)) + Ask(HelpCommand::kFinder, 0, 0)->html;
  EXPECT_EQ(Ask(HelpCommand::kContext, 9999, 0)->html, note);
  EXPECT_EQ(Ask(HelpCommand::kWmHelp, 0, 245)->html, note);
  const HelpPair ended_early[] = {{0, 0}, {130, 1204}};
  EXPECT_EQ(Ask(HelpCommand::kWmHelp, 0, 130, ended_early)->html, note);
  EXPECT_FALSE(ResolveHelp("Other.hlp>P1", {HelpCommand::kFinder}, kEnglish));
}

// Guards the pages: in both languages the same topics, all linked from the contents, every
// link leading to a page, and a topic for every control in the table.
TEST(HelpTest, ContentsLinkEveryTopicAndEveryLinkAndControlLeadsToAPage) {
  std::set<int> topics[2];
  for (const UiLanguage language : {UiLanguage::kNeutral, UiLanguage::kGerman}) {
    std::set<int>& reached = topics[static_cast<int>(language)];
    std::vector<HelpPage> pages = {*FollowHelpLink("contents", language)};
    std::set<int> from_contents;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      const std::string html = pages[i].html;
      for (auto at = html.find("href=\""); at != std::string::npos; at = html.find("href=\"", at)) {
        at += 6;
        const std::string link = html.substr(at, html.find('"', at) - at);
        const std::optional<HelpPage> page = FollowHelpLink(link, language);
        ASSERT_TRUE(page) << link;
        if (i == 0) from_contents.insert(page->context);
        if (page->context != 0 && reached.insert(page->context).second) pages.push_back(*page);
      }
    }
    EXPECT_EQ(from_contents, reached);
    for (const HelpPair& pair : HelpContextTable().first(39)) {
      EXPECT_TRUE(reached.contains(pair.context)) << pair.context;
    }
  }
  EXPECT_TRUE(topics[0].contains(kUsingHelpContext));
  EXPECT_EQ(topics[0], topics[1]);
}

using MainWindowHelpTest = testing::MainWindowFixture;

TEST_F(MainWindowHelpTest, MenuAndEachGestureAskTheViewerForTheirTopics) {
  window_.Initialize();
  Command(MainWindowId::kContents);
  Command(MainWindowId::kUsingHelp);
  window_.HelpRequested(130, HelpGesture::kHelpRequest);  // F1 on the weight field
  window_.HelpRequested(245, HelpGesture::kContextMenu);  // not in the table: asked all the same
  using Asked = std::vector<std::tuple<HelpCommand, int, int>>;  // command, context, control
  Asked asked;
  for (const HelpRequest& r : services_.help.requests)
    asked.emplace_back(r.command, r.context, r.control);
  ASSERT_EQ(asked, (Asked{{HelpCommand::kFinder, 0, 0},
                          {HelpCommand::kContext, kUsingHelpContext, 0},
                          {HelpCommand::kWmHelp, 0, 130},
                          {HelpCommand::kContextMenu, 0, 245}}));
  EXPECT_EQ(services_.help.files, std::vector<std::string>(4, "Tarvik.hlp>P1"));
  // Both gestures pass the controls with their topics, ending with the pair {0, 0}.
  EXPECT_EQ(services_.help.requests[2].table.size(), 40u);
  const std::span<const HelpPair> table = services_.help.requests[3].table;
  ASSERT_EQ(table.size(), 40u);
  EXPECT_EQ(std::tuple(table[7].control, table[7].context), std::tuple(130, 1204));
  EXPECT_EQ(std::tuple(table[39].control, table[39].context), std::tuple(0, 0));
}

TEST_F(MainWindowHelpTest, AboutShowsTheVersionAndClosesByOkOnly) {
  window_.Initialize();
  services_.windows.script = [](DialogEvents& about, testing::FakeDialog& view) {
    EXPECT_EQ(view.Text(AboutId::kVersion), "01.12.00");
    about.Command(static_cast<int>(AboutId::kCancel), Notification::kClicked);  // Escape
    about.CloseRequested();
    EXPECT_EQ(view.end_result(), -1);
    about.Command(static_cast<int>(AboutId::kOk), Notification::kClicked);
    EXPECT_EQ(view.end_result(), 0);
  };
  Command(MainWindowId::kAbout);
  EXPECT_EQ(services_.windows.opened, std::vector<std::string>{"About"});
}

}  // namespace
}  // namespace tarvik
