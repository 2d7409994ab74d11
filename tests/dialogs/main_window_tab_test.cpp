// The main window and the shot-memory tab of the simulated instrument's model on the test's clock:
// the Tab group follows the tab, its buttons bring shots back, and no reading is lost.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "dialogs/main_window.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/quiet_services.h"
#include "doubles/simulated_port.h"
#include "res/config_templates.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using Counts = std::vector<std::int32_t>;

class MainWindowTabTest : public ::testing::Test {
 protected:
  // Presses the button `pressed`, if any, then ticks every 20 ms of the test's clock for `ms`.
  void Run(int ms, std::optional<Id> pressed = std::nullopt) {
    if (pressed) window_.Command(static_cast<int>(*pressed), Notification::kClicked);
    for (const std::int64_t end = clock_.NowMs() + ms; clock_.NowMs() < end;) {
      clock_.SleepMs(MainWindow::kTimerPeriodMs);
      window_.Tick(MainWindow::kTimerId);
    }
  }
  std::int32_t Fire(std::int64_t count, std::int64_t at) {
    instrument_.instrument.FireShot({static_cast<std::uint64_t>(count), 6}, sim::Millis(at));
    return static_cast<std::int32_t>(count);
  }
  // "buffered/previous", and + or - for the group, Fire, All, Back and Back 10 enabled or not.
  std::string Group() const {
    std::string shown = view_.Text(Id::kBuffered) + "/" + view_.Text(Id::kPrevious) + " ";
    for (const Id id : {Id::kTabGroup, Id::kFire, Id::kAll, Id::kBack, Id::kBack10})
      shown += view_.Enabled(id) ? '+' : '-';
    return shown;
  }
  // The counts of the shots decoded so far, from their velocities at the calibration of 100.
  Counts Decoded() const {
    Counts counts;
    for (const double velocity : state_.series.velocities())
      counts.push_back(static_cast<std::int32_t>(782000.0 / velocity + 0.5));
    return counts;
  }

  testing::FakeClock clock_;
  testing::SimulatedPlatform instrument_{clock_};
  AppState state_{instrument_};
  testing::FakeDialog view_;
  testing::QuietServices services_;
  MainWindow window_{view_, state_, services_.With(clock_)};
};

TEST_F(MainWindowTabTest, TabGroupFollowsTheTabAndItsButtonsBringEveryStoredShotOnce) {
  window_.Initialize();
  for (int i = 0; i < 5; ++i) instrument_.instrument.StoreShot({1000u + i, 6});
  Run(50 * 20);
  EXPECT_EQ(instrument_.written, "") << "the 51st idle tick asks first";
  Run(20);
  EXPECT_EQ(instrument_.written, "pt");
  EXPECT_EQ(Group(), "5/0 +++--");

  // Nine shots fired live: "Back" can go back over them, "Back 10" not yet.
  for (int i = 0; i < 9; ++i) Fire(2000 + i, clock_.NowMs());
  Run(20);  // the tick that decodes them leaves the question to the next one
  EXPECT_EQ(instrument_.written, "pt");
  Run(20);
  EXPECT_EQ(instrument_.written, "ptpt");
  EXPECT_EQ(Group(), "5/9 ++++-");
  Fire(2009, clock_.NowMs());
  Run(40);
  EXPECT_EQ(Group(), "5/10 +++++");

  Run(100, Id::kFire);  // one stored shot
  EXPECT_EQ(Decoded().size(), 11u);
  Run(2000, Id::kAll);  // and the rest
  EXPECT_EQ(Group(), "0/15 +--++");
  Run(0, Id::kBack);  // one back: the last shot is buffered again
  EXPECT_EQ(Group(), "1/14 +++++");
  Run(100, Id::kFire);
  EXPECT_EQ(Decoded(), (Counts{2000, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008, 2009, 1000,
                               1001, 1002, 1003, 1004, 1004}));

  state_.chronoscope.CloseLink();  // a closed link: the buttons send nothing
  const std::string written = instrument_.written;
  Run(0, Id::kFire);
  Run(1100, Id::kBack10);
  EXPECT_EQ(instrument_.written, written);
}

TEST_F(MainWindowTabTest, NoReadingIsLostOrMadeUpWhereverItLandsInTheExchanges) {
  window_.Initialize();
  Run(1020);  // the first idle refresh is done: the next comes 51 ticks on
  // Shots 23, 37 and 53 ms apart fall at every moment of the tab's reads and waits after a shot.
  Counts sent;
  std::int64_t at = clock_.NowMs();
  for (const int gap : {23, 37, 53}) {
    for (int i = 0; i < 70; ++i, at += gap) sent.push_back(Fire(1000 + std::ssize(sent), at));
  }
  Run(static_cast<int>(at - clock_.NowMs()) + 1000);
  EXPECT_EQ(Decoded(), sent);
  EXPECT_GE(instrument_.written.size(), 60u) << "the tab was asked while readings came";
}

TEST_F(MainWindowTabTest, InstrumentWithoutTabGreysTheGroupAndALayoutWithoutItStillAsks) {
  instrument_.instrument.set_options({.tab_present = false, .version_char = '3', .delays = {}});
  for (const Id id : {Id::kTabGroup, Id::kFire, Id::kAll, Id::kBuffered}) view_.RemoveControl(id);
  window_.Initialize();
  Run(1020);
  EXPECT_EQ(instrument_.written, "p");  // no version reply: no "t"
  EXPECT_FALSE(view_.Enabled(Id::kBack) || view_.Enabled(Id::kPreviousLabel));
  EXPECT_EQ(view_.Text(Id::kPrevious), "");
}

TEST_F(MainWindowTabTest, SetUpsTabPageShowsTheTabAndResetsIt) {
  window_.Initialize();
  for (int i = 0; i < 3; ++i) instrument_.instrument.StoreShot({1000u + i, 6});
  services_.windows.sheet_script = [this](PropertySheet& sheet, auto& view) {
    sheet.SelectPage(3);
    testing::FakeDialog& page = view.pages[3];
    EXPECT_EQ(page.Text(ConfigId::kTabVersion), "3");
    EXPECT_EQ(page.Text(ConfigId::kTabNext) + " " + page.Text(ConfigId::kTabEmpty),
              "0x0000 0x0003");
    EXPECT_TRUE(page.Enabled(ConfigId::kResetTab));
    Fire(1234, clock_.NowMs() + 5);  // a shot during the reset is not lost
    sheet.page(3)->Command(static_cast<int>(ConfigId::kResetTab), Notification::kClicked);
    EXPECT_EQ(page.Text(ConfigId::kTabEmpty), "0x0000");
    state_.chronoscope.CloseLink();
    sheet.page(3)->Command(static_cast<int>(ConfigId::kResetTab), Notification::kClicked);
    EXPECT_FALSE(page.Enabled(ConfigId::kResetTab));
    sheet.Cancel();
  };
  window_.Command(static_cast<int>(Id::kSetUp), Notification::kMenu);
  EXPECT_EQ(services_.message_box.shown,
            (std::vector<std::string>{"Tab reset", "No serial communications"}));
  EXPECT_EQ(Decoded(), Counts{1234});
}

}  // namespace
}  // namespace tarvik
