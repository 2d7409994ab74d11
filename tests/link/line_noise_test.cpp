// The line as a real instrument gives it, in real time: the simulated instrument on a
// pseudo-terminal sends noise between its readings, bytes after every reply and a memory dump
// longer than the snap holds, and the main window's logic reads it through the real serial port
// and clock, ticked every 20 ms as its timer would. Every reading is decoded once, none is made
// up. The test waits for each burst to be on the line and lets the window read the line quiet
// before the next, so that a loaded machine only makes it slower.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "dialogs/main_window.h"
#include "dialogs/memory_snap.h"
#include "doubles/quiet_services.h"
#include "platform/posix/posix_serial_port.h"
#include "qm307sim/pty_instrument.h"
#include "res/snap_template.h"

namespace tarvik {
namespace {

using sim::Millis;
using Counts = std::vector<std::int32_t>;

class LineNoiseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::PtyOptions options;
    options.instrument.reply_tail = "\xFF~";
    std::string error;
    instrument_ = sim::PtyInstrument::Start(options, &error);
    ASSERT_NE(instrument_, nullptr) << error;
    state_.settings.port_name = instrument_->device_path();
    window_.Initialize();
    ASSERT_TRUE(state_.chronoscope.IsOpen());
  }
  void TearDown() override { window_.Destroyed(); }

  void Tick(DialogEvents& timer_owner, int timer_id) {
    clock_.SleepMs(MainWindow::kTimerPeriodMs);
    timer_owner.Tick(timer_id);
  }
  // The instrument sends `bytes` and the window ticks `ticks` times once they are on the line.
  void Send(std::string bytes, int ticks) {
    instrument_->SendRaw(std::move(bytes));
    ASSERT_TRUE(instrument_->WaitUntilSent(Millis(5000)));
    for (int i = 0; i < ticks; ++i) Tick(window_, MainWindow::kTimerId);
  }
  std::string Reading(std::int32_t count) { return "00" + std::to_string(count) + "\r\n"; }
  Counts Decoded() const {
    Counts counts;
    for (const double velocity : state_.series.velocities())
      counts.push_back(static_cast<std::int32_t>(782000.0 / velocity + 0.5));
    return counts;
  }

  std::unique_ptr<sim::PtyInstrument> instrument_;
  posix::PosixSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  SystemClock clock_;
  testing::QuietServices services_;
  MainWindow window_{view_, state_, services_.With(clock_)};
};

TEST_F(LineNoiseTest, HundredsOfReadingsAmidNoiseRepliesWithTailsAndADumpAreEachTakenOnce) {
  Counts sent;
  const auto readings = [&](int count, std::int32_t first) {
    for (int i = 0; i < count; ++i) {
      // The reading, and noise after it, before the next: the first tick takes them, the
      // second asks the tab and finds the line quiet while it waits.
      sent.push_back(first + i);
      Send(Reading(first + i) + sim::NoiseBytes(1 + i % 4, static_cast<std::uint64_t>(i)), 2);
    }
  };
  readings(40, 1000);  // the tab is asked after each shot, and its replies carry a tail

  // A dump longer than the snap holds, and a reading after it while the snap is still up.
  services_.windows.script = [&](DialogEvents& snap, testing::FakeDialog&) {
    instrument_->SendDump(700);
    ASSERT_TRUE(instrument_->WaitUntilSent(Millis(5000)));
    for (int i = 0; i < 5; ++i) Tick(snap, MemorySnap::kTimerId);
    sent.push_back(2000);
    Send(Reading(2000), 0);
    for (int i = 0; i < 3; ++i) Tick(snap, MemorySnap::kTimerId);
    snap.Command(static_cast<int>(SnapId::kSaveAndClose), Notification::kClicked);
  };
  window_.Command(static_cast<int>(MainWindowId::kSnap), Notification::kMenu);
  EXPECT_EQ(services_.files.files[kSnapFile], sim::DumpBytes(200));

  sim::InstrumentOptions no_tab = instrument_->options();
  no_tab.tab_present = false;
  instrument_->SetOptions(no_tab);
  readings(200, 3000);  // no tab: nothing but the quiet ends the noise
  for (int i = 0; i < 10; ++i) Tick(window_, MainWindow::kTimerId);
  EXPECT_EQ(Decoded(), sent);
  EXPECT_GT(instrument_->Received().size(), 100u) << "the tab was asked";
}

}  // namespace
}  // namespace tarvik
