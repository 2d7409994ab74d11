// The serial link and the decoder against the simulated instrument on a pseudo-terminal, with
// real time: what the program will do with a real instrument on a serial port.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "base/clock.h"
#include "base/sound.h"
#include "dialogs/main_window.h"
#include "doubles/fake_dialog.h"
#include "doubles/recording_message_box.h"
#include "doubles/recording_settings.h"
#include "link/serial_link.h"
#include "platform/posix/posix_serial_port.h"
#include "qm307sim/pty_instrument.h"

namespace tarvik {
namespace {

using std::chrono::milliseconds;

class SimulatedInstrumentTest : public ::testing::Test {
 protected:
  void StartInstrument(const sim::InstrumentOptions& options = {}) {
    std::string error;
    sim::PtyOptions pty_options;
    pty_options.instrument = options;
    instrument_ = sim::PtyInstrument::Start(pty_options, &error);
    ASSERT_NE(instrument_, nullptr) << error;
    link_ = OpenSerialLink(platform_, instrument_->device_path());
    ASSERT_TRUE(link_->open) << link_->error.text;
  }

  posix::PosixSerialPlatform platform_;
  SystemClock clock_;
  std::unique_ptr<sim::PtyInstrument> instrument_;
  std::unique_ptr<SerialLink> link_;
};

TEST_F(SimulatedInstrumentTest, ShotsFromTheInstrumentAreShownByTheMainWindow) {
  StartInstrument();
  CloseSerialLink(link_);
  AppState state(platform_);
  state.settings.port_name = instrument_->device_path();
  testing::FakeDialog view;
  testing::RecordingSettings store;
  SilentSoundPlayer sound;
  testing::RecordingMessageBox message_box;
  MainWindow window(view, state, {store, clock_, sound, message_box});
  window.Initialize();
  ASSERT_TRUE(state.chronoscope.IsOpen()) << message_box.shown.front();

  instrument_->SendShot(*sim::ReadingForVelocity(800.0, sim::Mark::kMark3));
  instrument_->SendShot(*sim::ReadingForVelocity(650.0, sim::Mark::kMark12));
  const auto deadline = std::chrono::steady_clock::now() + milliseconds(1000);
  while (state.series.count() < 2 && std::chrono::steady_clock::now() < deadline) {
    window.Tick(MainWindow::kTimerId);
    clock_.SleepMs(MainWindow::kTimerPeriodMs);
  }
  ASSERT_EQ(state.series.count(), 2);
  EXPECT_NEAR(state.series.at(0), 800.0, 1.0);
  EXPECT_NEAR(state.series.at(1), 650.0, 1.0);
  EXPECT_EQ(view.GetItemText(static_cast<int>(MainWindowId::kMark)), "1/2");
  EXPECT_EQ(view.GetItemText(static_cast<int>(MainWindowId::kShotCount)), "2");
  EXPECT_EQ(store.values.count("FPS"), 1u);
}

TEST_F(SimulatedInstrumentTest, InstrumentThatVanishesLeavesReadsEmpty) {
  StartInstrument();
  instrument_->Stop();
  std::array<std::uint8_t, 200> buffer{};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(SerialRead(link_.get(), buffer), 0);
  EXPECT_EQ(SerialWrite(link_.get(), "p"), 0);
  EXPECT_TRUE(link_->open);
  CloseSerialLink(link_);
}

}  // namespace
}  // namespace tarvik
