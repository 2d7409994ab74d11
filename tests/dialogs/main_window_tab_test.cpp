// The main window and the instrument's shot-memory tab, against the simulated instrument's model
// on the test's clock: the Tab group follows the tab, its buttons fire and recall stored shots,
// and no reading is lost to the tab's exchanges, wherever it lands in them.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/main_window.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_windows.h"
#include "doubles/memory_files.h"
#include "doubles/memory_settings.h"
#include "doubles/recording_message_box.h"
#include "doubles/simulated_port.h"
#include "settings/settings_store.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using Counts = std::vector<std::int32_t>;

class MainWindowTabTest : public ::testing::Test {
 protected:
  // Ticks every 20 ms of the test's clock for `ms`.
  void Run(int ms) {
    for (const std::int64_t end = clock_.NowMs() + ms; clock_.NowMs() < end;) {
      clock_.SleepMs(MainWindow::kTimerPeriodMs);
      window_.Tick(MainWindow::kTimerId);
    }
  }
  void Press(Id id) { window_.Command(static_cast<int>(id), Notification::kClicked); }
  std::string Text(Id id) const { return view_.Text(id); }
  // The counts of the shots decoded so far, from their velocities at calibration 0.
  Counts Decoded() const {
    Counts counts;
    for (const double velocity : state_.series.velocities()) {
      counts.push_back(static_cast<std::int32_t>(789800.0 / velocity + 0.5));
    }
    return counts;
  }
  static sim::Reading Reading(std::uint64_t count) { return {count, 6}; }

  testing::FakeClock clock_;
  testing::SimulatedPlatform instrument_{clock_};
  AppState state_{instrument_};
  testing::FakeDialog view_;
  SettingsStore store_{std::make_unique<testing::MemorySettings>()};
  SilentSoundPlayer sound_;
  testing::RecordingMessageBox message_box_;
  testing::MemoryFiles files_;
  testing::RecordingViewer viewer_;
  testing::FakeWindows windows_;
  MainWindow window_{
      view_, state_, {store_, clock_, sound_, message_box_, files_, viewer_, windows_}};
};

TEST_F(MainWindowTabTest, TabGroupFollowsTheTabAboutOnceASecondAndAfterEveryShot) {
  state_.settings.calibration = 0;
  window_.Initialize();
  for (int i = 0; i < 5; ++i) instrument_.instrument.StoreShot(Reading(1000 + i));
  Run(50 * 20);
  EXPECT_EQ(instrument_.written, "") << "the 51st idle tick asks first";
  Run(20);
  EXPECT_EQ(instrument_.written, "pt");
  EXPECT_EQ(Text(Id::kBuffered) + "/" + Text(Id::kPrevious), "5/0");
  EXPECT_TRUE(view_.Enabled(Id::kFire) && view_.Enabled(Id::kAll) && view_.Enabled(Id::kTabGroup));
  EXPECT_FALSE(view_.Enabled(Id::kBack) || view_.Enabled(Id::kBack10));

  // Nine shots fired live: "Back" can go back over them, "Back 10" not yet.
  for (int i = 0; i < 9; ++i) {
    instrument_.instrument.FireShot(Reading(2000 + i), sim::Millis(clock_.NowMs()));
  }
  Run(20);  // the tick that decodes them leaves the question to the next one
  EXPECT_EQ(instrument_.written, "pt");
  Run(20);
  EXPECT_EQ(instrument_.written, "ptpt");
  EXPECT_EQ(Text(Id::kPrevious), "9");
  EXPECT_TRUE(view_.Enabled(Id::kBack));
  EXPECT_FALSE(view_.Enabled(Id::kBack10));
  instrument_.instrument.FireShot(Reading(3000), sim::Millis(clock_.NowMs()));
  Run(40);
  EXPECT_EQ(Text(Id::kPrevious), "10");
  EXPECT_TRUE(view_.Enabled(Id::kBack10));
}

TEST_F(MainWindowTabTest, FireAllAndBackBringStoredShotsBackEachExactlyOnce) {
  state_.settings.calibration = 0;
  window_.Initialize();
  for (int i = 0; i < 4; ++i) instrument_.instrument.StoreShot(Reading(1000 + i));
  Run(1020);
  Press(Id::kFire);
  Run(100);
  EXPECT_EQ(Decoded(), Counts{1000});
  Press(Id::kAll);
  Run(2000);
  EXPECT_EQ(Decoded(), (Counts{1000, 1001, 1002, 1003}));
  EXPECT_EQ(Text(Id::kBuffered), "0");
  EXPECT_FALSE(view_.Enabled(Id::kAll));

  Press(Id::kBack);  // one back: the last shot is buffered again
  EXPECT_EQ(Text(Id::kBuffered) + "/" + Text(Id::kPrevious), "1/3");
  Press(Id::kFire);
  Run(100);
  EXPECT_EQ(Decoded().back(), 1003);
  EXPECT_EQ(state_.series.count(), 5);
}

TEST_F(MainWindowTabTest, NoReadingIsLostOrMadeUpWhereverItLandsInTheExchanges) {
  state_.settings.calibration = 0;
  window_.Initialize();
  Run(1020);  // the first idle refresh is done: the next comes 51 ticks on
  Counts sent;
  // Shots 23, 37 and 53 ms apart, so that they fall at every moment of the tab's reads and
  // waits, which follow every shot.
  std::int64_t at = clock_.NowMs();
  for (const int gap : {23, 37, 53}) {
    for (int i = 0; i < 70; ++i, at += gap) {
      const auto count = static_cast<std::uint64_t>(1000 + sent.size());
      instrument_.instrument.FireShot(Reading(count), sim::Millis(at));
      sent.push_back(static_cast<std::int32_t>(count));
    }
  }
  Run(static_cast<int>(at - clock_.NowMs()) + 1000);
  EXPECT_EQ(Decoded(), sent);
  EXPECT_GE(instrument_.written.size(), 60u) << "the tab was asked while readings came";
}

TEST_F(MainWindowTabTest, InstrumentWithoutTabGreysTheGroupAndALayoutWithoutItStillAsks) {
  sim::InstrumentOptions without_tab;
  without_tab.tab_present = false;
  instrument_.instrument.set_options(without_tab);
  for (const Id id : {Id::kTabGroup, Id::kFire, Id::kAll, Id::kBuffered}) view_.RemoveControl(id);
  window_.Initialize();
  Run(1020);
  EXPECT_EQ(instrument_.written, "p");  // no version reply: no "t"
  EXPECT_FALSE(view_.Enabled(Id::kBack) || view_.Enabled(Id::kPreviousLabel));
  EXPECT_EQ(Text(Id::kPrevious), "");
}

TEST_F(MainWindowTabTest, TabButtonsOnAClosedLinkSendNothing) {
  state_.settings.port_name = "COM9";
  window_.Initialize();
  state_.chronoscope.CloseLink();
  Press(Id::kFire);
  Press(Id::kBack10);
  Run(1100);
  EXPECT_EQ(instrument_.written, "");
}

}  // namespace
}  // namespace tarvik
