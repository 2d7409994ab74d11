// The Help menu: the page each request gets, the requests the windows make for the menu and for
// help on a control, with the windows' tables of controls and topics; and the pages told apart by
// what each language's windows show.
#include "dialogs/help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
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
#include "res/history_texts.h"
#include "res/main_window_ids.h"
#include "res/main_window_template.h"
#include "res/shot_table_texts.h"
#include "res/snap_template.h"
#include "res/statistics_template.h"
#include "res/string_dialog_template.h"

namespace tarvik {
namespace {

constexpr UiLanguage kEnglish = UiLanguage::kNeutral;

HelpPage Ask(const HelpRequest& request) { return ResolveHelp(request, kEnglish); }

TEST(HelpTest, EveryCallGetsAPageAndAnItemWithoutATopicGetsTheContentsWithANote) {
  EXPECT_EQ(Ask(ControlHelp(MainWindowId::kWeight, HelpGesture::kHelpRequest)).context, 1204);
  EXPECT_EQ(Ask(ControlHelp(MainWindowId::kLastVelocityUnit, HelpGesture::kContextMenu)).html,
            HelpTopicHtml(1201, kEnglish));
  EXPECT_EQ(Ask(HelpRequest::Topic(kUsingHelpContext)).html,
            HelpTopicHtml(kUsingHelpContext, kEnglish));
  EXPECT_EQ(Ask(HelpRequest::Contents()).html, HelpContentsHtml(kEnglish));
  const std::string note =
      std::string(HelpNoTopicHtml(kEnglish)) + Ask(HelpRequest::Contents()).html;
  EXPECT_EQ(Ask(HelpRequest::Topic(9999)).html, note);
  EXPECT_EQ(Ask(ControlHelp(ConfigId::kCalibration, HelpGesture::kHelpRequest)).html, note);
}

// Each table names only controls its window has, each once: an entry for a control that does not
// exist, or a second entry for one, would never be reached.
template <typename Id>
void ExpectControlsOf(std::span<const ControlTopic<Id>> table,
                      std::initializer_list<const DialogTemplate*> windows) {
  std::set<int> controls;
  for (const DialogTemplate* window : windows) {
    for (const ControlTemplate& control : window->controls) controls.insert(control.id);
  }
  std::set<int> named;
  for (const ControlTopic<Id>& entry : table) {
    const int id = static_cast<int>(entry.control);
    EXPECT_TRUE(controls.contains(id)) << id;
    EXPECT_TRUE(named.insert(id).second) << id;
  }
}

TEST(HelpTest, EachTableNamesTheControlsOfItsWindowOnce) {
  ExpectControlsOf(MainWindowHelpTable(), {&MainWindowTemplate(UiLanguage::kNeutral)});
  for (const UiLanguage language : {UiLanguage::kNeutral, UiLanguage::kGerman}) {
    ExpectControlsOf(ConfigHelpTable(), {&GeneralPageTemplate(language), &LogPageTemplate(language),
                                         &SoundPageTemplate(language), &TabPageTemplate()});
  }
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
    for (const auto& entry : MainWindowHelpTable()) {
      EXPECT_TRUE(reached.contains(entry.context)) << entry.context;
    }
    for (const auto& entry : ConfigHelpTable()) {
      EXPECT_TRUE(reached.contains(entry.context)) << entry.context;
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
    std::string name(item.text.substr(0, item.text.find('\t')));  // without its shortcut
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
        &TabPageTemplate(), &AboutTemplate(language), &SnapTemplate(),
        &StringDialogTemplate(language, StringDialogKind::kNewString),
        &StringDialogTemplate(language, StringDialogKind::kRename)}) {
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
  const ShotTableTexts& table = ShotTableTextsFor(language);
  for (const std::string_view text :
       {table.caption, table.shot, table.time, table.velocity, table.energy, table.count,
        table.mark, table.limit, table.over, table.leave_out, table.take_in, table.shots,
        table.average, table.extreme_spread, table.standard_deviation, table.lowest,
        table.highest}) {
    std::string name(text);
    std::erase(name, '&');
    names.insert(name);
  }
  const HistoryTexts& history = HistoryTextsFor(language);
  for (const std::string_view text :
       {history.caption, history.started, history.name, history.shots, history.average,
        history.extreme_spread, history.standard_deviation, history.notes, history.status,
        history.left_out, history.undone, history.loaded, history.open, history.name_and_notes,
        history.remove, history.export_csv, history.save_chart}) {
    std::string name(text);
    std::erase(name, '&');
    names.insert(name);
  }
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
    for (const HelpPageText& page :
         language == UiLanguage::kGerman ? GermanHistoryHelpTopics() : EnglishHistoryHelpTopics())
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
  for (const auto& [control, context] : MainWindowHelpTable()) {
    if (controls.contains(static_cast<int>(control)))
      parts[context].insert(static_cast<int>(control));
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
  EXPECT_EQ(services_.help.requests,
            (std::vector<HelpRequest>{
                HelpRequest::Contents(), HelpRequest::Topic(kUsingHelpContext),
                HelpRequest::ControlTopic(1204, HelpGesture::kHelpRequest),
                HelpRequest::ControlTopic(std::nullopt, HelpGesture::kContextMenu)}));
}

// Set up's pages ask about their controls by their own table, the Tab page's having no topic.
TEST_F(MainWindowHelpTest, PagesAskTheViewerForTheTopicsOfTheirControls) {
  window_.Initialize();
  services_.windows.sheet_script = [](PropertySheet& sheet, testing::FakeWindows::FakeSheet&) {
    sheet.page(0)->HelpRequested(static_cast<int>(ConfigId::kLimit), HelpGesture::kContextMenu);
    sheet.SelectPage(3);
    sheet.page(3)->HelpRequested(static_cast<int>(ConfigId::kResetTab), HelpGesture::kHelpRequest);
    sheet.Cancel();
  };
  Command(MainWindowId::kSetUp);
  EXPECT_EQ(services_.help.requests,
            (std::vector<HelpRequest>{
                HelpRequest::ControlTopic(1221, HelpGesture::kContextMenu),
                HelpRequest::ControlTopic(std::nullopt, HelpGesture::kHelpRequest)}));
}

}  // namespace
}  // namespace tarvik
