#include "dialogs/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "doubles/event_log.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/fake_windows.h"
#include "doubles/memory_files.h"
#include "doubles/memory_settings.h"
#include "doubles/recording_help.h"
#include "doubles/recording_message_box.h"
#include "doubles/recording_sound.h"
#include "measure/units.h"
#include "settings/settings_store.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using Strings = std::vector<std::string>;

class MainWindowTest : public ::testing::Test {
 protected:
  // The instrument sends `bytes`; one timer tick takes them.
  void Receive(std::string_view bytes) {
    platform_.line->to_program += bytes;
    window_.Tick(MainWindow::kTimerId);
  }
  void Command(Id id) { window_.Command(static_cast<int>(id), Notification::kMenu); }
  std::string Text(Id id) const { return view_.Text(id); }
  std::string Stored(std::string_view name) { return store_.ReadSettingText(name, "(none)"); }

  testing::EventLog events_;
  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  testing::MemorySettings* memory_ = new testing::MemorySettings;
  SettingsStore store_{std::unique_ptr<SettingsBackend>(memory_)};
  testing::FakeClock clock_{&events_};
  testing::RecordingSound sound_{&events_};
  testing::RecordingMessageBox message_box_;
  testing::MemoryFiles files_;
  testing::RecordingViewer viewer_;
  testing::FakeWindows windows_;
  testing::ScriptedFileDialogs file_dialogs_;
  testing::RecordingHelp help_;
  MainWindow window_{
      view_,
      state_,
      {store_, clock_, sound_, message_box_, files_, viewer_, windows_, file_dialogs_, help_}};
};

TEST_F(MainWindowTest, CreationGreysTheTabGroupOpensThePortAndFillsTheFields) {
  state_.settings.metric = true;
  window_.Initialize();
  for (const Id id : {Id::kAll, Id::kFire, Id::kBack, Id::kBack10, Id::kBufferedLabel,
                      Id::kPreviousLabel, Id::kTabGroup}) {
    EXPECT_FALSE(view_.Enabled(id)) << static_cast<int>(id);
  }
  EXPECT_EQ(platform_.opened, Strings{"COM2"});
  EXPECT_TRUE(message_box_.shown.empty());
  // The last shot of an earlier run, and every figure and label in the units chosen.
  EXPECT_EQ(Text(Id::kLastVelocity), " 376.12");
  EXPECT_EQ(Text(Id::kLastEnergy), "  16.73");
  EXPECT_EQ(Text(Id::kWeight), "   0.97");
  EXPECT_EQ(Text(Id::kLastVelocityUnit) + Text(Id::kAverageEnergyUnit) + Text(Id::kWeightUnit),
            "m/sjoulesgrammes");
  EXPECT_EQ(Text(Id::kShotCount), "0");
  EXPECT_FALSE(view_.MenuEnabled(Id::kReset) || view_.MenuEnabled(Id::kUndo));
  EXPECT_FALSE(view_.MenuChecked(Id::kLogging));
  EXPECT_FALSE(view_.HasText(Id::kCounts));  // until this run's first shot
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 20);
}

TEST_F(MainWindowTest, ShotIsShownStoredAddedToTheAveragesAndSounded) {
  state_.settings.sound = true;
  window_.Initialize();
  events_.events.clear();
  Receive("001234\r\n");
  EXPECT_EQ(Text(Id::kCounts) + "|" + Text(Id::kLastVelocity) + "|" + Text(Id::kMark) + "|" +
                Text(Id::kLastEnergy),
            "1234| 633.71|3|  13.35");
  EXPECT_EQ(Stored("FPS") + Stored("PDS"), " 633.71  13.35");  // right-aligned in seven
  EXPECT_DOUBLE_EQ(state_.last_shot.velocity, (789800.0 - 7800.0) / 1234.0);
  ASSERT_EQ(state_.series.count(), 1);
  EXPECT_DOUBLE_EQ(state_.series.at(0), state_.last_shot.velocity);  // unrounded
  EXPECT_EQ(Text(Id::kShotCount) + Text(Id::kAverageVelocity), "1 633.71");
  EXPECT_TRUE(view_.MenuEnabled(Id::kReset));
  // The sound comes last, after its pause: 13.35 ft.lbs is over the default 12 ft.lbs limit.
  const auto play = std::find(events_.events.begin(), events_.events.end(), "play Blurp.wav");
  ASSERT_NE(play, events_.events.end());
  EXPECT_EQ(*std::prev(play), "sleep 200");
}

TEST_F(MainWindowTest, SoundIsLegalBelowTheLimitAndOverTheLimitFromItOn) {
  state_.settings.sound = true;
  window_.Initialize();
  const double energy = 633.0 * 633.0 * 15.0 / 450240.0;  // the shot of "001234"
  for (const double limit : {std::nextafter(energy, 100.0), energy, std::nextafter(energy, 0.0)}) {
    state_.settings.legal_limit = limit;
    Receive("001234\r");
  }
  EXPECT_EQ(sound_.played, (Strings{"Airgun.wav", "Blurp.wav", "Blurp.wav"}));
}

TEST_F(MainWindowTest, LayoutWithoutTheCountFieldStillTakesShotsAndAbsurdFiguresNeverOverrun) {
  view_.RemoveControl(Id::kCounts);
  state_.settings.weight = 1e300;
  window_.Initialize();
  Receive("001234\r");
  EXPECT_FALSE(view_.HasText(Id::kCounts));
  EXPECT_EQ(Text(Id::kLastVelocity), " 633.71");
  EXPECT_EQ(Text(Id::kLastEnergy), kOverflowText);
  EXPECT_EQ(Stored("PDS"), "(none)");  // never a text that reads back as something else
}

TEST_F(MainWindowTest, BurstLargerThanTheBufferIsTakenOverSeveralTicks) {
  window_.Initialize();
  std::string burst;
  for (int i = 0; i < 40; ++i) burst += "001234\r\n";  // 320 bytes
  Receive(burst);  // 200 bytes a read, the tab's reads in between
  window_.Tick(MainWindow::kTimerId);
  window_.Tick(MainWindow::kTimerId);
  EXPECT_EQ(Text(Id::kShotCount), "40");
}

// A sound player that lets the platform's event loop run while it plays, as a careless sound
// layer would: the timer then fires in the middle of a shot.
class ReentrantSound : public SoundPlayer {
 public:
  void PlayFileSync(const std::string&) override {
    if (during_play) during_play();
  }
  std::function<void()> during_play;
};

TEST_F(MainWindowTest, TickArrivingDuringAShotDoesNotTouchTheDecoder) {
  ReentrantSound sound;
  MainWindow window(
      view_, state_,
      {store_, clock_, sound, message_box_, files_, viewer_, windows_, file_dialogs_, help_});
  state_.settings.sound = true;
  window.Initialize();
  std::string left_on_the_line;
  sound.during_play = [&] {
    if (!left_on_the_line.empty()) return;
    platform_.line->to_program += "5678\r";
    window.Tick(MainWindow::kTimerId);
    left_on_the_line = platform_.line->to_program;
  };
  platform_.line->to_program = "001234\r0012";
  window.Tick(MainWindow::kTimerId);
  EXPECT_EQ(left_on_the_line, "5678\r") << "the nested tick read the port";
  EXPECT_EQ(state_.series.count(), 1);
  // The reading in progress goes on at the next tick: "0012" and "5678" run together.
  window.Tick(MainWindow::kTimerId);
  ASSERT_EQ(state_.series.count(), 2);
  EXPECT_EQ(Text(Id::kCounts), "125678");
}

TEST_F(MainWindowTest, ResetAndUndoRefreshTheAveragesEvenWhenEmpty) {
  window_.Initialize();
  Command(Id::kUndo);
  EXPECT_EQ(Text(Id::kShotCount), "0");
  Receive("001234\r001000\r");
  Command(Id::kUndo);
  EXPECT_EQ(Text(Id::kShotCount), "1");
  EXPECT_EQ(Text(Id::kAverageVelocity), " 633.71");
  Command(Id::kReset);
  EXPECT_EQ(Text(Id::kShotCount), "0");
  EXPECT_EQ(Text(Id::kAverageVelocity) + Text(Id::kAverageEnergy), "");
  EXPECT_FALSE(view_.MenuEnabled(Id::kReset));
}

TEST_F(MainWindowTest, FailedPortIsReportedAtEachOpenAndSetUpClosesTheOldLinkFirst) {
  window_.Initialize();
  auto first_line = platform_.line;
  state_.settings.port_name = "COM7";
  platform_.open_error = {2, "No such file or directory"};
  Command(Id::kSetUp);
  EXPECT_TRUE(first_line->closed);
  EXPECT_EQ(platform_.opened_while_another_held, 0);
  EXPECT_EQ(message_box_.shown, Strings{"Serial port not happy COM7\r\nNo such file or directory"});
  EXPECT_EQ(message_box_.captions, Strings{""});
  state_.language = UiLanguage::kGerman;
  Command(Id::kSetUp);
  ASSERT_EQ(message_box_.shown.size(), 2u);
  EXPECT_EQ(message_box_.shown[1],
            "Serielle Schnittstelle unglücklich COM7\r\nNo such file or directory");
  window_.Tick(MainWindow::kTimerId);  // the window goes on without the instrument
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 20);

  // A reading cut off by the new link is dropped, not joined to the next one.
  platform_.open_error = {};
  Receive("0012");
  Command(Id::kSetUp);
  Receive("001234\r");
  EXPECT_EQ(Text(Id::kCounts), "1234");
}

TEST_F(MainWindowTest, TypedWeightIsHeldAndStoredButNotZeroUnchangedOrAbsurd) {
  view_.EchoTextChanges(Id::kWeight, window_);
  window_.Initialize();
  EXPECT_EQ(memory_->writes, 0) << "the refresh's own write of the field stores nothing";
  Receive("001234\r");
  for (const char* text : {"0", "abc", "", "15", "1e400", "1e30"}) {
    view_.Type(Id::kWeight, text, window_);
  }
  EXPECT_EQ(state_.settings.weight, 15.0);
  EXPECT_EQ(Stored("Weight"), "(none)");
  view_.Type(Id::kWeight, "16", window_);
  EXPECT_EQ(Stored("Weight"), "  16.00");
  EXPECT_EQ(Text(Id::kAverageEnergy), "  13.35");  // nothing else follows until a refresh

  state_.settings.metric = true;
  view_.Type(Id::kWeight, "1", window_);
  EXPECT_NEAR(state_.settings.weight, 15.435, 1e-3);
  EXPECT_EQ(Stored("Weight"), "  15.43");
}

TEST_F(MainWindowTest, LoggingFromTheMenuLogsEveryShotInImperialUnitsEvenWhenMetric) {
  state_.settings.metric = true;
  window_.Initialize();
  Receive("001234\r");
  EXPECT_TRUE(files_.files.empty()) << "logging is off";
  Command(Id::kLogging);
  EXPECT_TRUE(view_.MenuChecked(Id::kLogging));
  EXPECT_EQ(Stored("Logging"), "TRUE");
  Receive("001234\r");
  Receive("001234\r");
  EXPECT_EQ(files_.files["Tarvik.log"], "633.71,13.35,15.00\r\n633.71,13.35,15.00\r\n");
  EXPECT_EQ(Text(Id::kLastVelocity) + Stored("FPS"), " 193.16 633.71");  // shown, held
  files_.locked.insert("Tarvik.log");  // held by another program: the shot goes on unlogged
  Receive("001234\r");
  EXPECT_EQ(state_.series.count(), 4);
  files_.locked.clear();

  Command(Id::kViewLog);
  EXPECT_EQ(viewer_.shown, Strings{"Tarvik.log"});
  Command(Id::kLoadLog);
  EXPECT_EQ(Text(Id::kShotCount), "6");
  Command(Id::kDeleteLog);
  Receive("001000\r");  // logging is still on: a new log begins
  EXPECT_EQ(files_.files["Tarvik.log"], "782.00,20.37,15.00\r\n");
  Command(Id::kLogging);
  EXPECT_FALSE(view_.MenuChecked(Id::kLogging));
  EXPECT_EQ(Stored("Logging"), "FALSE");
}

TEST_F(MainWindowTest, OnlyACloseRequestEndsTheWindow) {
  window_.Initialize();
  window_.Command(1, Notification::kClicked);  // Enter
  window_.Command(2, Notification::kClicked);  // Escape
  EXPECT_EQ(view_.end_result(), -1);
  window_.CloseRequested();
  EXPECT_EQ(view_.end_result(), 0);
  window_.Destroyed();
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 0);
}

}  // namespace
}  // namespace tarvik
