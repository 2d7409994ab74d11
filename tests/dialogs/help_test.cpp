// Help on the controls: the table, the call a window makes, and the page each call gets.
#include "dialogs/help.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialogs/help_book.h"
#include "res/help_topics.h"

namespace tarvik {
namespace {

constexpr UiLanguage kEnglish = UiLanguage::kNeutral;

struct RecordingHelpViewer : HelpViewer {
  bool WinHelp(std::string_view called_file, const HelpRequest& called) override {
    file = called_file;
    request = called;
    return false;
  }
  std::string file;
  HelpRequest request{HelpCommand::kFinder};
};

std::optional<HelpPage> Ask(HelpCommand command, int context, int control,
                            std::span<const HelpPair> table = HelpContextTable()) {
  return ResolveHelp(kHelpFile, {command, context, control, table}, kEnglish);
}

TEST(HelpTest, ControlHelpPassesTheTableWithItsEndPair) {
  const std::span<const HelpPair> table = HelpContextTable();
  ASSERT_EQ(table.size(), 40u);
  EXPECT_EQ(table[7].control, 130);
  EXPECT_EQ(table[7].context, 1204);
  EXPECT_EQ(table[39].control, 0);
  EXPECT_EQ(table[39].context, 0);

  RecordingHelpViewer viewer;  // refuses the call, which the window leaves at that
  ShowControlHelp(viewer, 130, HelpCommand::kContextMenu);
  EXPECT_EQ(viewer.file, "Tarvik.hlp>P1");
  EXPECT_EQ(viewer.request.command, HelpCommand::kContextMenu);
  EXPECT_EQ(viewer.request.control, 130);
  EXPECT_EQ(viewer.request.table.data(), table.data());
  EXPECT_EQ(viewer.request.table.size(), table.size());
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

}  // namespace
}  // namespace tarvik
