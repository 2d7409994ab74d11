// The memory tab's controller over the simulated instrument on the test's clock, driven the way
// the main window's timer drives it: when it looks at the tab, and how long "All" goes on.
#include "dialogs/tab_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "doubles/fake_clock.h"
#include "doubles/fake_serial_port.h"

namespace tarvik {
namespace {

using Counts = std::vector<std::uint64_t>;

class TabControllerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(chronoscope_.OpenLink("COM2")); }

  // One tick of the timer: the shots the line brought, then a look when one is due. 'L' when it
  // looked, else '.'.
  char Tick() {
    clock_.SleepMs(20);
    tab_.StartTick();
    Complete(chronoscope_.Poll(clock_.NowMs()));
    if (!tab_.LookDue()) return '.';
    tab_.Look();
    return 'L';
  }
  std::string Ticks(int count) {
    std::string looks;
    for (int i = 0; i < count; ++i) looks += Tick();
    return looks;
  }
  void Complete(const std::vector<Reading>& readings) {
    for (const Reading& reading : readings) {
      completed_.push_back(reading.count);
      tab_.ShotCompleted();
    }
  }
  void Store(int shots) {
    for (int i = 0; i < shots; ++i) instrument_.instrument.StoreShot({1000u + i, 6});
  }
  // The shot comes back this long after its "n".
  void DelayFiredShots(int ms) {
    sim::InstrumentOptions options;
    options.delays.fire = sim::Millis(ms);
    instrument_.instrument.set_options(options);
  }
  std::int64_t Fired() const { return std::ranges::count(instrument_.written, 'n'); }

  testing::FakeClock clock_;
  testing::SimulatedPlatform instrument_{clock_};
  Chronoscope chronoscope_{instrument_};
  Counts completed_;
  TabController tab_{chronoscope_, clock_,
                     [this](const std::vector<Reading>& readings) { Complete(readings); }};
};

TEST_F(TabControllerTest, LooksOnThe51stIdleTickAndOnTheTickAfterOneThatCompletedAShot) {
  EXPECT_EQ(Ticks(51), std::string(50, '.') + "L");
  EXPECT_EQ(Ticks(10), std::string(10, '.'));
  instrument_.instrument.FireShot({1234, 6}, sim::Millis(clock_.NowMs() + 10));
  instrument_.instrument.FireShot({1233, 6}, sim::Millis(clock_.NowMs() + 30));
  // A tick that completes a shot leaves the look to the next; none of them counts as idle.
  EXPECT_EQ(Ticks(54), "..L" + std::string(50, '.') + "L");
  // A shot completed outside a tick, or met by a look's exchange, has the next tick look again.
  tab_.ShotCompleted();
  EXPECT_EQ(Ticks(2), "L.");
  instrument_.instrument.FireShot({1235, 6}, sim::Millis(clock_.NowMs() + 49 * 20 + 70));
  EXPECT_EQ(Ticks(51), std::string(49, '.') + "LL");
  EXPECT_EQ(completed_, (Counts{1234, 1233, 1235}));
  // While the snap holds the line a look asks nothing, and idle ticks count again from it.
  chronoscope_.BeginSnap();
  const std::string written = instrument_.written;
  EXPECT_EQ(Ticks(102), std::string(50, '.') + "L" + std::string(50, '.') + "L");
  EXPECT_EQ(instrument_.written, written);
  chronoscope_.EndSnap();
}

TEST_F(TabControllerTest, AllFiresTheNextShotOnlyOnceTheLastCameBackUntilTheTabIsEmpty) {
  Store(3);
  DelayFiredShots(500);
  Ticks(51);
  tab_.FireAll();
  Ticks(20);
  EXPECT_EQ(Fired(), 1);
  Ticks(10);
  EXPECT_EQ(Fired(), 2);
  Ticks(200);
  EXPECT_EQ(Fired(), 3);
  EXPECT_EQ(completed_, (Counts{1000, 1001, 1002}));
  EXPECT_EQ(tab_.status().counts.buffered, 0);
}

TEST_F(TabControllerTest, AllGivesUpWhenASecondPassesWithoutItsShot) {
  for (const int delay : {800, 1400}) {
    Store(2);
    DelayFiredShots(delay);
    while (Tick() != 'L') {
    }
    const std::int64_t fired = Fired();
    tab_.FireAll();
    Ticks(200);
    EXPECT_EQ(Fired() - fired, delay < 1000 ? 2 : 1) << delay;
  }
}

// Each time, the shot fired comes back while the tab still holds more.
TEST_F(TabControllerTest, AllStopsWhenAnotherButtonIsPressedOrTheTabStopsAnswering) {
  Store(6);
  Ticks(51);
  tab_.FireAll();
  tab_.Fire();
  Ticks(200);
  EXPECT_EQ(Fired(), 2);
  tab_.FireAll();
  tab_.StepBack("b");
  Ticks(200);
  EXPECT_EQ(Fired(), 3);
  tab_.FireAll();
  sim::InstrumentOptions silent;
  silent.tab_present = false;
  instrument_.instrument.set_options(silent);
  Ticks(60);
  instrument_.instrument.set_options({});
  Ticks(200);
  EXPECT_EQ(Fired(), 4);
  EXPECT_EQ(completed_.size(), 4u);
  EXPECT_GT(tab_.status().counts.buffered, 0);
}

}  // namespace
}  // namespace tarvik
