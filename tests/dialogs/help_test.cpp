// The Help menu: the page each call gets, the calls the main window makes for the menu and for
// help on a control, with the table of controls and topics, and the About box; and the pages
// told apart by what each language's windows show.
#include "dialogs/help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "dialogs/help_book.h"
#include "doubles/quiet_services.h"
#include "measure/units.h"
#include "res/about_template.h"
#include "res/config_templates.h"
#include "res/graph_menu.h"
#include "res/help_pages.h"
#include "res/help_topics.h"
#include "res/main_window_ids.h"
#include "res/main_window_template.h"
#include "res/snap_template.h"
#include "res/statistics_template.h"

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

// The names a page may quote in bold besides those the windows show: keys, the property sheet's
// own buttons, a value and a file name.
constexpr std::string_view kNamesOutsideTheTemplates[] = {"F1",     "?",   "OK",        "Apply",
                                                          "Cancel", "100", "Tarvik.log"};

void AddMenuNames(std::span<const MenuItem> items, std::set<std::string>& names) {
  for (const MenuItem& item : items) {
    std::string name(item.text);
    std::erase(name, '&');
    if (!name.empty()) names.insert(name);
    AddMenuNames(item.items, names);
  }
}

bool HasMenuItem(std::span<const MenuItem> items, MainWindowId id) {
  return std::any_of(items.begin(), items.end(), [id](const MenuItem& item) {
    return item.id == static_cast<int>(id) || HasMenuItem(item.items, id);
  });
}

// Every name the program shows in `language`: its windows' captions and controls, the unit
// labels it writes into them, its menus, texts and the help window's buttons. The graph's menu
// counts only where the main menu can open the graph.
std::set<std::string> NamesShown(UiLanguage language) {
  std::set<std::string> names(std::begin(kNamesOutsideTheTemplates),
                              std::end(kNamesOutsideTheTemplates));
  for (const DialogTemplate* window :
       {&MainWindowTemplate(language), &StatisticsTemplate(language),
        &GeneralPageTemplate(language), &LogPageTemplate(language), &SoundPageTemplate(language),
        &TabPageTemplate(), &AboutTemplate(language), &SnapTemplate()}) {
    names.emplace(window->caption);
    for (const ControlTemplate& control : window->controls) names.emplace(control.text);
  }
  for (const bool metric : {false, true}) {
    for (const char* label : {VelocityUnitLabel(metric), EnergyUnitLabel(metric),
                              WeightUnitLabel(metric), LimitUnitLabel(metric)}) {
      names.emplace(label);
    }
  }
  const MenuTemplate& menu = MainMenuTemplate(language);
  AddMenuNames(menu.bar, names);
  if (HasMenuItem(menu.bar, MainWindowId::kGraphics))
    AddMenuNames(GraphicsMenuTemplate().bar, names);
  for (int id = kStrDragToResize; id <= kStrTab; ++id) names.emplace(TextOrMissing(id, language));
  names.emplace(HelpWindowTextsFor(language).contents);
  names.emplace(HelpWindowTextsFor(language).back);
  return names;
}

const HelpLanguagePages& PagesOf(UiLanguage language) {
  return language == UiLanguage::kGerman ? GermanHelpPages() : EnglishHelpPages();
}

// The topics a page links to, in order.
std::vector<int> LinkedTopics(std::string_view html) {
  std::vector<int> topics;
  constexpr std::string_view kTopicLink = "href=\"topic:";
  for (auto at = html.find(kTopicLink); at != std::string_view::npos;
       at = html.find(kTopicLink, at)) {
    at += kTopicLink.size();
    topics.push_back(ParseInteger(html.substr(at)));
  }
  return topics;
}

// Pages quote in bold the names of what the user sees: menu items ("Help &gt; Contents"),
// buttons, labels, units. Each must be a name the program shows in the page's language, so that
// no page sends the user after a control, an item or a window that language does not have.
TEST(HelpPagesTest, EveryNameAPageQuotesIsShownInItsLanguage) {
  for (const UiLanguage language : {UiLanguage::kNeutral, UiLanguage::kGerman}) {
    const std::set<std::string> shown = NamesShown(language);
    std::vector<std::pair<int, std::string_view>> pages = {{0, PagesOf(language).contents}};
    for (const HelpPageText& page : PagesOf(language).topics)
      pages.emplace_back(page.context, page.html);
    for (const auto& [context, html] : pages) {
      for (auto at = html.find("<b>"); at != std::string_view::npos; at = html.find("<b>", at)) {
        at += 3;
        // A menu path names each of its steps; a name may run over a line end.
        std::string_view path = html.substr(at, html.find("</b>", at) - at);
        for (bool more = true; more;) {
          const std::size_t gt = path.find("&gt;");
          std::istringstream words{std::string(path.substr(0, gt))};
          more = gt != std::string_view::npos;
          if (more) path.remove_prefix(gt + 4);
          std::string name;
          for (std::string word; words >> word;) name += (name.empty() ? "" : " ") + word;
          EXPECT_TRUE(shown.contains(name))
              << "topic " << context << (language == UiLanguage::kGerman ? " (German)" : "")
              << " names \"" << name << "\"";
        }
      }
    }
  }
}

// The topics of the main window's parts: the controls the help table gives each, the Tab group
// for the memory tab's topic (the group has no help of its own) and the whole window for the
// window's topic.
constexpr int kMemoryTabTopic = 1103;
constexpr int kMainWindowTopic = 1209;

std::map<int, std::set<int>> MainWindowPartsByTopic() {
  std::set<int> controls;
  for (const ControlTemplate& control : MainWindowTemplate(UiLanguage::kNeutral).controls) {
    if (control.id != kNoControlId) controls.insert(control.id);
  }
  std::map<int, std::set<int>> parts;
  for (const HelpPair& pair : HelpContextTable()) {
    if (controls.contains(pair.control)) parts[pair.context].insert(pair.control);
  }
  using enum MainWindowId;
  for (const MainWindowId id : {kTabGroup, kBuffered, kBufferedLabel, kPrevious, kPreviousLabel,
                                kFire, kAll, kBack, kBack10}) {
    parts[kMemoryTabTopic].insert(static_cast<int>(id));
  }
  parts[kMainWindowTopic] = controls;
  return parts;
}

// The German window has no counts row and no Tab group. Its pages (the contents' list of the
// window, the window's topic and those of its controls) lead only to parts it has; the topics of
// the parts it lacks stay, reached from elsewhere.
TEST(HelpPagesTest, ThePagesOfAWindowLinkOnlyThePartsItHas) {
  const std::map<int, std::set<int>> parts = MainWindowPartsByTopic();
  for (const UiLanguage language : {UiLanguage::kNeutral, UiLanguage::kGerman}) {
    std::set<int> has;
    for (const ControlTemplate& control : MainWindowTemplate(language).controls) {
      has.insert(control.id);
    }
    std::set<int> lacks;
    const std::string_view contents = PagesOf(language).contents;
    const auto first_section = contents.find("<h3>");
    std::vector<std::pair<int, std::string_view>> pages = {
        {0,
         contents.substr(first_section, contents.find("<h3>", first_section + 1) - first_section)}};
    for (const auto& [topic, controls] : parts) {
      if (std::none_of(controls.begin(), controls.end(),
                       [&](int control) { return has.contains(control); })) {
        lacks.insert(topic);
      } else {
        pages.emplace_back(topic, *HelpTopicHtml(topic, language));
      }
    }
    EXPECT_EQ(lacks.empty(), language == UiLanguage::kNeutral);
    for (const auto& [context, html] : pages) {
      for (const int linked : LinkedTopics(html)) {
        EXPECT_FALSE(lacks.contains(linked))
            << "topic " << context << " of the window leads to topic " << linked
            << ", a part the window lacks in this language";
      }
    }
  }
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
