// The serial link and the decoder against the simulated instrument on a pseudo-terminal, with
// real time: what the program will do with a real instrument on a serial port.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "app/instrument_poll.h"
#include "app/text_view.h"
#include "base/clock.h"
#include "base/sound.h"
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

  // Writes a command, waits as the program does, and takes what has arrived by then.
  std::string Exchange(std::string_view command, int wait_ms) {
    SerialWrite(link_.get(), command);
    clock_.SleepMs(wait_ms);
    std::array<std::uint8_t, 50> reply{};
    const int n = SerialRead(link_.get(), reply);
    return std::string(reply.begin(), reply.begin() + n);
  }

  posix::PosixSerialPlatform platform_;
  SystemClock clock_;
  std::unique_ptr<sim::PtyInstrument> instrument_;
  std::unique_ptr<SerialLink> link_;
};

TEST_F(SimulatedInstrumentTest, CommandsArriveAndRepliesAreThereAfterTheirWaits) {
  // A quick instrument, so that a loaded machine does not push a reply past the wait.
  sim::InstrumentOptions quick;
  quick.delays = {milliseconds(1), milliseconds(1), milliseconds(1), milliseconds(1),
                  milliseconds(1)};
  StartInstrument(quick);
  EXPECT_EQ(Exchange("p", 40), "v3\r\n");
  EXPECT_EQ(Exchange("t", 100), " n:0000 e:0000\r\n");
  ASSERT_TRUE(instrument_->WaitForReceived(2, milliseconds(500)));
  EXPECT_EQ(instrument_->Received(), "pt");
}

TEST_F(SimulatedInstrumentTest, InstrumentTooSlowForTheWaitGivesAnEmptyRead) {
  sim::InstrumentOptions slow;
  slow.delays.version = milliseconds(150);
  StartInstrument(slow);
  EXPECT_EQ(Exchange("p", 40), "");
  clock_.SleepMs(200);
  std::array<std::uint8_t, 50> late{};
  EXPECT_EQ(SerialRead(link_.get(), late), 4);  // the late reply waits for the next read
}

TEST_F(SimulatedInstrumentTest, InstrumentWithoutTabAnswersNothing) {
  sim::InstrumentOptions no_tab;
  no_tab.tab_present = false;
  StartInstrument(no_tab);
  EXPECT_EQ(Exchange("p", 40), "");
}

TEST_F(SimulatedInstrumentTest, ShotsFromTheInstrumentAreDecoded) {
  StartInstrument();
  AppState state;
  state.current_link = std::move(link_);
  TextView view;
  PendingShotHooks hooks;
  SilentSoundPlayer sound;
  ShotContext context = MakeShotContext(state, view, hooks, clock_, sound);

  instrument_->SendShot(*sim::ReadingForVelocity(800.0, sim::Mark::kMark3));
  instrument_->SendShot(*sim::ReadingForVelocity(650.0, sim::Mark::kMark12));
  const auto deadline = std::chrono::steady_clock::now() + milliseconds(1000);
  while (state.series.count() < 2 && std::chrono::steady_clock::now() < deadline) {
    PollInstrument(state, context);
    clock_.SleepMs(20);
  }
  ASSERT_EQ(state.series.count(), 2);
  EXPECT_NEAR(state.series.at(0), 800.0, 1.0);
  EXPECT_NEAR(state.series.at(1), 650.0, 1.0);
  EXPECT_EQ(view.GetItemText(196), "1/2");
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
