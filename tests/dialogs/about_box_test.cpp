// The About box, and the main window's help: the menu's Contents and Using help, and help asked
// on a control.
#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include "dialogs/main_window.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/quiet_services.h"

namespace tarvik {
namespace {

TEST(AboutBoxTest, ShowsTheVersionAndClosesByOkOnly) {
  EXPECT_EQ(VersionText(1, 12, 0), "01.12.00");
  testing::FakeDialog view;
  AboutBox about(view);
  about.Initialize();
  EXPECT_EQ(view.Text(AboutId::kVersion), "01.12.00");
  about.Command(static_cast<int>(AboutId::kCancel), Notification::kClicked);  // Escape
  about.CloseRequested();
  EXPECT_EQ(view.end_result(), -1);
  about.Command(static_cast<int>(AboutId::kOk), Notification::kClicked);
  EXPECT_EQ(view.end_result(), 0);
}

TEST(MainWindowHelpTest, MenuAndControlsAskTheViewerForTheirTopics) {
  testing::FakeSerialPlatform platform;
  AppState state(platform);
  testing::FakeDialog view;
  testing::FakeClock clock;
  testing::QuietServices services;
  MainWindow window(view, state, services.With(clock));
  window.Initialize();
  auto command = [&window](MainWindowId id) {
    window.Command(static_cast<int>(id), Notification::kMenu);
  };
  command(MainWindowId::kContents);
  command(MainWindowId::kUsingHelp);
  window.HelpRequested(130, HelpGesture::kHelpRequest);  // F1 on the weight field
  window.HelpRequested(245, HelpGesture::kContextMenu);  // not in the table: passed on all the same
  const std::vector<HelpRequest>& asked = services.help.requests;
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(services.help.files, std::vector<std::string>(4, "Tarvik.hlp>P1"));
  EXPECT_EQ(asked[0].command, HelpCommand::kFinder);
  EXPECT_EQ(asked[1].command, HelpCommand::kContext);
  EXPECT_EQ(asked[1].context, 1005);
  EXPECT_EQ(asked[2].command, HelpCommand::kWmHelp);
  EXPECT_EQ(asked[2].control, 130);
  EXPECT_EQ(asked[2].table.size(), 40u);  // 39 pairs and the end pair
  EXPECT_EQ(asked[3].command, HelpCommand::kContextMenu);
  EXPECT_EQ(asked[3].control, 245);
  command(MainWindowId::kAbout);
  EXPECT_EQ(services.windows.opened, std::vector<std::string>{"About"});
}

}  // namespace
}  // namespace tarvik
