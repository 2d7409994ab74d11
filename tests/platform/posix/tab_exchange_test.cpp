// The main window's memory-tab exchanges against the simulated instrument on a pseudo-terminal,
// in real time, with shots coming at random moments the whole while: every reading is decoded
// exactly once, in order, however it falls into the exchanges' reads and waits.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>
#include <vector>

#include "base/clock.h"
#include "dialogs/main_window.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_windows.h"
#include "doubles/memory_files.h"
#include "doubles/recording_message_box.h"
#include "platform/posix/posix_serial_port.h"
#include "qm307sim/pty_instrument.h"
#include "settings/settings_store.h"

namespace tarvik {
namespace {

TEST(TabExchangeTest, ReadingsLandingAnywhereInTheExchangesAreEachDecodedOnce) {
  std::string error;
  auto instrument = sim::PtyInstrument::Start({}, &error);
  ASSERT_NE(instrument, nullptr) << error;
  posix::PosixSerialPlatform serial;
  AppState state(serial);
  state.settings.port_name = instrument->device_path();
  state.settings.calibration = 0;
  testing::FakeDialog view;
  SettingsStore store(nullptr);
  SystemClock clock;
  SilentSoundPlayer sound;
  testing::RecordingMessageBox message_box;
  testing::MemoryFiles files;
  testing::RecordingViewer viewer;
  testing::FakeWindows windows;
  MainWindow window(view, state, {store, clock, sound, message_box, files, viewer, windows});
  window.Initialize();
  ASSERT_TRUE(state.chronoscope.IsOpen());

  // Each shot a random 15 to 120 ms after the one before: with a query after every shot and
  // each query 140 ms long, shots fall before, into and after its reads and waits.
  constexpr int kShots = 200;
  std::atomic<bool> done = false;
  std::thread shooter([&] {
    std::mt19937 random(307);
    std::uniform_int_distribution<int> gap(15, 120);
    for (int i = 0; i < kShots; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(gap(random)));
      instrument->SendShot(sim::Reading{static_cast<std::uint64_t>(100000 + i), 6});
    }
    done = true;
  });
  for (int quiet_ticks = 0; quiet_ticks < 60;) {
    window.Tick(MainWindow::kTimerId);
    clock.SleepMs(MainWindow::kTimerPeriodMs);
    if (done) ++quiet_ticks;
  }
  shooter.join();

  std::vector<std::int32_t> decoded;
  for (const double velocity : state.series.velocities()) {
    decoded.push_back(static_cast<std::int32_t>(789800.0 / velocity + 0.5));
  }
  std::vector<std::int32_t> sent;
  for (int i = 0; i < kShots; ++i) sent.push_back(100000 + i);
  EXPECT_EQ(decoded, sent);
  EXPECT_GT(instrument->Received().size(), 100u) << "the tab was asked all along";
}

}  // namespace
}  // namespace tarvik
