#include "dialogs/main_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "doubles/event_log.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/recording_message_box.h"
#include "doubles/recording_settings.h"
#include "doubles/recording_sound.h"
#include "measure/units.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using Strings = std::vector<std::string>;

class MainWindowTest : public ::testing::Test {
 protected:
  // Creates the window as the platform does.
  void Open() { window_.Initialize(); }

  // The instrument sends `bytes`; one timer tick takes them.
  void Receive(std::string_view bytes) {
    platform_.line->to_program += bytes;
    window_.Tick(MainWindow::kTimerId);
  }

  std::string Text(Id id) const { return view_.Text(id); }

  testing::EventLog events_;
  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_{&events_};
  testing::RecordingSettings store_;
  testing::FakeClock clock_{&events_};
  testing::RecordingSound sound_{&events_};
  testing::RecordingMessageBox message_box_;
  MainWindow window_{view_, state_, {store_, clock_, sound_, message_box_}};
};

TEST_F(MainWindowTest, CreationGreysTheTabGroupOpensThePortAndFillsTheFields) {
  Open();
  for (const Id id : {Id::kAll, Id::kFire, Id::kBack, Id::kBack10, Id::kBufferedLabel,
                      Id::kPreviousLabel, Id::kTabGroup}) {
    EXPECT_FALSE(view_.Enabled(id)) << static_cast<int>(id);
  }
  EXPECT_EQ(platform_.opened, Strings{"COM2"});
  EXPECT_TRUE(message_box_.shown.empty());
  EXPECT_EQ(Text(Id::kWeight), "  15.00");
  EXPECT_EQ(Text(Id::kWeightUnit), "grains");
  EXPECT_EQ(Text(Id::kLastVelocity), "1234.00");  // the last shot of an earlier run
  EXPECT_EQ(Text(Id::kLastEnergy), "  12.34");
  EXPECT_EQ(Text(Id::kShotCount), "0");
  EXPECT_FALSE(view_.MenuEnabled(Id::kReset));
  EXPECT_FALSE(view_.MenuEnabled(Id::kUndo));
  EXPECT_FALSE(view_.MenuChecked(Id::kLogging));
  EXPECT_FALSE(view_.HasText(Id::kCounts));  // until this run's first shot
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 20);
}

TEST_F(MainWindowTest, ShotIsShownStoredAddedToTheAveragesAndSounded) {
  state_.settings.sound = true;
  Open();
  events_.events.clear();
  Receive("001234\r\n");
  EXPECT_EQ(Text(Id::kCounts), "1234");
  EXPECT_EQ(Text(Id::kLastVelocity), " 633.71");
  EXPECT_EQ(Text(Id::kMark), "3");
  EXPECT_EQ(Text(Id::kLastEnergy), "  13.35");
  EXPECT_EQ(store_.values["FPS"], " 633.71");  // right-aligned in seven characters
  EXPECT_EQ(store_.values["PDS"], "  13.35");
  EXPECT_DOUBLE_EQ(state_.last_shot.velocity, (789800.0 - 7800.0) / 1234.0);
  ASSERT_EQ(state_.series.count(), 1);
  EXPECT_DOUBLE_EQ(state_.series.at(0), state_.last_shot.velocity);  // unrounded
  EXPECT_EQ(Text(Id::kShotCount), "1");
  EXPECT_EQ(Text(Id::kAverageVelocity), " 633.71");
  EXPECT_TRUE(view_.MenuEnabled(Id::kReset));
  // The sound comes last, after its pause: 13.35 ft.lbs is over the default 12 ft.lbs limit.
  const Strings tail(events_.events.end() - 2, events_.events.end());
  EXPECT_EQ(tail, (Strings{"sleep 200", "play Blurp.wav"}));
}

TEST_F(MainWindowTest, MetricChangesOnlyWhatIsShown) {
  state_.settings.metric = true;
  state_.last_shot = {800.0, 21.32};
  Open();
  EXPECT_EQ(Text(Id::kLastVelocity), " 243.84");
  EXPECT_EQ(Text(Id::kLastEnergy), "  28.90");
  EXPECT_EQ(Text(Id::kWeight), "   0.97");
  EXPECT_EQ(Text(Id::kLastVelocityUnit), "m/s");
  EXPECT_EQ(Text(Id::kAverageEnergyUnit), "joules");
  EXPECT_EQ(Text(Id::kWeightUnit), "grammes");

  Receive("001234\r\n");
  EXPECT_EQ(Text(Id::kLastVelocity), " 193.16");
  EXPECT_EQ(Text(Id::kLastEnergy), "  18.10");
  EXPECT_EQ(store_.values["FPS"], " 633.71");
  EXPECT_EQ(store_.values["PDS"], "  13.35");
  EXPECT_NEAR(state_.series.at(0), 633.7115, 1e-4);
}

TEST_F(MainWindowTest, SoundIsLegalBelowTheLimitAndOverTheLimitFromItOn) {
  state_.settings.sound = true;
  Open();
  const double energy = 633.0 * 633.0 * 15.0 / 450240.0;  // the shot of "001234"
  for (const double limit : {std::nextafter(energy, 100.0), energy, std::nextafter(energy, 0.0)}) {
    state_.settings.legal_limit = limit;
    Receive("001234\r");
  }
  EXPECT_EQ(sound_.played, (Strings{"Airgun.wav", "Blurp.wav", "Blurp.wav"}));
  EXPECT_EQ(clock_.slept_ms(), 600);
}

TEST_F(MainWindowTest, BurstLargerThanTheBufferIsTakenOverSeveralTicks) {
  Open();
  std::string burst;
  for (int i = 0; i < 40; ++i) burst += "001234\r\n";  // 320 bytes
  Receive(burst);
  EXPECT_EQ(state_.series.count(), 25);  // the first 200 bytes
  window_.Tick(MainWindow::kTimerId);
  EXPECT_EQ(state_.series.count(), 40);
  EXPECT_EQ(Text(Id::kShotCount), "40");
}

TEST_F(MainWindowTest, LayoutWithoutTheCountFieldAndTabGroupStillTakesShots) {
  for (const Id id : {Id::kCounts, Id::kCountsLabel, Id::kTabGroup, Id::kFire, Id::kAll}) {
    view_.RemoveControl(id);
  }
  Open();
  Receive("001234\r");
  EXPECT_FALSE(view_.HasText(Id::kCounts));
  EXPECT_EQ(Text(Id::kLastVelocity), " 633.71");
  EXPECT_EQ(state_.series.count(), 1);
}

TEST_F(MainWindowTest, AbsurdWeightIsShownAsOverflowAndNotStored) {
  state_.settings.weight = 1e300;
  Open();
  Receive("001234\r");
  EXPECT_EQ(Text(Id::kLastEnergy), kOverflowText);
  EXPECT_EQ(Text(Id::kAverageEnergy), kOverflowText);
  EXPECT_EQ(store_.values.count("PDS"), 0u);
  EXPECT_EQ(store_.values["FPS"], " 633.71");
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
  MainWindow window(view_, state_, {store_, clock_, sound, message_box_});
  state_.settings.sound = true;
  window.Initialize();
  int plays = 0;
  sound.during_play = [&] {
    if (plays++ > 0) return;
    platform_.line->to_program += "5678\r";
    window.Tick(MainWindow::kTimerId);
  };
  platform_.line->to_program = "001234\r0012";
  window.Tick(MainWindow::kTimerId);
  EXPECT_EQ(state_.series.count(), 1);
  EXPECT_EQ(platform_.line->to_program, "5678\r") << "the nested tick read the port";

  // The next tick goes on with the reading in progress: "0012" and "5678" run together.
  sound.during_play = nullptr;
  window.Tick(MainWindow::kTimerId);
  ASSERT_EQ(state_.series.count(), 2);
  EXPECT_EQ(Text(Id::kCounts), "125678");
}

TEST_F(MainWindowTest, ResetAndUndoRefreshTheAveragesEvenWhenEmpty) {
  Open();
  window_.Command(static_cast<int>(Id::kUndo), Notification::kMenu);
  EXPECT_EQ(Text(Id::kShotCount), "0");
  EXPECT_FALSE(view_.MenuEnabled(Id::kUndo));

  Receive("001234\r001000\r");
  window_.Command(static_cast<int>(Id::kUndo), Notification::kMenu);
  EXPECT_EQ(Text(Id::kShotCount), "1");
  EXPECT_EQ(Text(Id::kAverageVelocity), " 633.71");
  window_.Command(static_cast<int>(Id::kReset), Notification::kMenu);
  EXPECT_EQ(Text(Id::kShotCount), "0");
  EXPECT_EQ(Text(Id::kAverageVelocity), "");
  EXPECT_EQ(Text(Id::kAverageEnergy), "");
  EXPECT_FALSE(view_.MenuEnabled(Id::kReset));
}

TEST_F(MainWindowTest, PortThatWillNotOpenIsReportedOnceAndTheWindowGoesOn) {
  platform_.open_error = {2, "No such file or directory"};
  state_.settings.port_name = "COM7";
  Open();
  EXPECT_EQ(message_box_.shown, Strings{"Serial port not happy COM7\r\nNo such file or directory"});
  EXPECT_EQ(message_box_.captions, Strings{""});
  window_.Tick(MainWindow::kTimerId);
  EXPECT_EQ(Text(Id::kShotCount), "0");
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 20);
}

TEST_F(MainWindowTest, SetUpClosesTheLinkBeforeOpeningTheNewOneAndReportsAgain) {
  Open();
  auto first_line = platform_.line;
  state_.settings.port_name = "COM3";
  platform_.open_error = {2, "No such file or directory"};
  window_.Command(static_cast<int>(Id::kSetUp), Notification::kMenu);
  EXPECT_TRUE(first_line->closed);
  EXPECT_EQ(platform_.opened_while_another_held, 0);
  EXPECT_EQ(platform_.opened, (Strings{"COM2", "COM3"}));
  state_.language = UiLanguage::kGerman;
  window_.Command(static_cast<int>(Id::kSetUp), Notification::kMenu);
  ASSERT_EQ(message_box_.shown.size(), 2u);
  EXPECT_EQ(message_box_.shown[1],
            "Serielle Schnittstelle unglücklich COM3\r\nNo such file or directory");
}

TEST_F(MainWindowTest, TypedWeightIsHeldAndStoredButNotZeroOrUnchanged) {
  view_.EchoTextChanges(Id::kWeight, window_);
  Open();
  EXPECT_EQ(store_.writes, 0) << "the refresh's own write of the field stores nothing";
  Receive("001234\r");
  store_.values.clear();

  for (const char* text : {"0", "abc", "", "15", "1e400", "1e30"}) {
    view_.Type(Id::kWeight, text, window_);
  }
  EXPECT_EQ(state_.settings.weight, 15.0);
  EXPECT_TRUE(store_.values.empty());
  view_.Type(Id::kWeight, "16", window_);
  EXPECT_EQ(store_.values["Weight"], "  16.00");
  EXPECT_EQ(state_.settings.weight, 16.0);
  // Nothing else follows until the next refresh.
  EXPECT_EQ(Text(Id::kAverageEnergy), "  13.35");

  state_.settings.metric = true;
  view_.Type(Id::kWeight, "1", window_);
  EXPECT_NEAR(state_.settings.weight, 15.435, 1e-3);
  EXPECT_EQ(store_.values["Weight"], "  15.43");
}

TEST_F(MainWindowTest, OnlyACloseRequestEndsTheWindow) {
  Open();
  window_.Command(static_cast<int>(Id::kOk), Notification::kClicked);
  window_.Command(static_cast<int>(Id::kCancel), Notification::kClicked);
  EXPECT_EQ(view_.end_result(), -1);
  window_.CloseRequested();
  EXPECT_EQ(view_.end_result(), 0);
  window_.Destroyed();
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 0);
}

}  // namespace
}  // namespace tarvik
