// The main window's tab exchanges in real time on a pseudo-terminal, shots coming at any moment.
#include <gtest/gtest.h>

#include <cmath>
#include <future>
#include <random>
#include <thread>

#include "base/clock.h"
#include "dialogs/main_window.h"
#include "doubles/fake_dialog.h"
#include "doubles/quiet_services.h"
#include "platform/posix/posix_serial_port.h"
#include "qm307sim/pty_instrument.h"

namespace tarvik {
namespace {

TEST(TabExchangeTest, ReadingsLandingAnywhereInTheExchangesAreEachDecodedOnce) {
  std::string error;
  auto instrument = sim::PtyInstrument::Start({}, &error);
  ASSERT_NE(instrument, nullptr) << error;
  posix::PosixSerialPlatform serial;
  AppState state(serial);
  state.settings.port_name = instrument->device_path();
  testing::FakeDialog view;
  SystemClock clock;
  testing::QuietServices services;
  MainWindow window(view, state, services.With(clock));
  window.Initialize();

  // Shots 15 to 120 ms apart fall before, into and after the 140 ms query after every shot.
  auto shooter = std::async(std::launch::async, [&, random = std::mt19937(307)]() mutable {
    for (std::uint64_t count = 100000; count < 100200; ++count) {
      std::this_thread::sleep_for(std::chrono::milliseconds(15 + random() % 106));
      instrument->SendShot({count, 6});
    }
  });
  for (int quiet_ticks = 0; quiet_ticks < 60;) {
    window.Tick(MainWindow::kTimerId);
    clock.SleepMs(MainWindow::kTimerPeriodMs);
    if (shooter.wait_for(std::chrono::seconds(0)) == std::future_status::ready) ++quiet_ticks;
  }
  ASSERT_EQ(state.series.count(), 200);  // each reading decoded once, in order
  for (int i = 0; i < 200; ++i) ASSERT_EQ(std::lround(782000 / state.series.at(i)), 100000 + i);
  EXPECT_GT(instrument->Received().size(), 100u) << "the tab was asked all along";
}

}  // namespace
}  // namespace tarvik
