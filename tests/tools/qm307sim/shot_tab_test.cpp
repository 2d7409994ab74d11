#include "qm307sim/shot_tab.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace tarvik::sim {
namespace {

Reading Shot(std::uint64_t count) { return Reading{count, 6}; }

// The counts the program derives from the two pointers of the reply to "t", as its tab group
// shows them: every result modulo 65536, M = 4095.
struct ProgramCounts {
  std::uint16_t buffered;
  std::uint16_t previous;
};

ProgramCounts CountsShownByProgram(std::uint16_t next, std::uint16_t empty) {
  const int m = 4095;
  const int n = next;
  const int e = empty;
  const int n_place = n & 0x7FFF;
  const int e_place = e & 0x7FFF;
  auto wrap = [](int value) { return static_cast<std::uint16_t>(value & 0xFFFF); };
  if ((n & 0x8000) == 0) {
    return (e & 0x8000) == 0 ? ProgramCounts{wrap(e - n), wrap(n)}
                             : ProgramCounts{wrap(e_place + m - n), wrap(n)};
  }
  if (n == e) return {0, wrap(m)};
  const std::uint16_t buffered = n < e ? wrap(e_place - n_place) : wrap(e_place - n_place + m);
  return {buffered, wrap(m - buffered)};
}

TEST(ShotTabTest, PointersFoldOntoTheRingAndFlagTheWrap) {
  EXPECT_EQ(PointerFor(0), 0x0000);
  EXPECT_EQ(PointerFor(4094), 0x0FFE);
  EXPECT_EQ(PointerFor(4095), 0x8000);
  EXPECT_EQ(PointerFor(4095 + 16), 0x8010);
  // The flag stays on through later rounds.
  EXPECT_EQ(PointerFor(2 * 4095 + 5), 0x8005);
}

TEST(ShotTabTest, LiveShotsMoveBothPointersAcrossTheWrap) {
  ShotTab tab;
  for (int i = 0; i < 4094; ++i) tab.RecordFired(Shot(1000));
  EXPECT_EQ(tab.NextPointer(), 0x0FFE);
  EXPECT_EQ(tab.EmptyPointer(), 0x0FFE);
  tab.RecordFired(Shot(1000));
  EXPECT_EQ(tab.NextPointer(), 0x8000);
  EXPECT_EQ(tab.EmptyPointer(), 0x8000);
  EXPECT_EQ(tab.Buffered(), 0u);
  // Back below the wrap: the flag goes with the position.
  EXPECT_EQ(tab.StepBack(1), 1u);
  EXPECT_EQ(tab.NextPointer(), 0x0FFE);
  EXPECT_EQ(tab.EmptyPointer(), 0x8000);
  EXPECT_EQ(CountsShownByProgram(tab.NextPointer(), tab.EmptyPointer()).buffered, 1);
}

TEST(ShotTabTest, StoredShotsComeBackInOrderAndLiveShotsDoNotJumpTheQueue) {
  ShotTab tab;
  tab.Store(Shot(1));
  tab.Store(Shot(2));
  tab.RecordFired(Shot(3));  // fired while 1 and 2 wait
  EXPECT_EQ(tab.Buffered(), 2u);
  EXPECT_EQ(tab.FireNext(), Shot(1));
  EXPECT_EQ(tab.FireNext(), Shot(2));
  EXPECT_FALSE(tab.FireNext());
  // Back over all three: the live shot was kept before the stored ones.
  EXPECT_EQ(tab.StepBack(10), 3u);
  EXPECT_EQ(tab.FireNext(), Shot(3));
  EXPECT_EQ(tab.FireNext(), Shot(1));
}

TEST(ShotTabTest, AFullRingGivesUpItsOldestWaitingShot) {
  ShotTab tab;
  for (std::uint64_t i = 0; i < kMaxBuffered + 3; ++i) tab.Store(Shot(i));
  EXPECT_EQ(tab.Buffered(), kMaxBuffered);
  EXPECT_EQ(tab.fired(), 3u);
  EXPECT_EQ(tab.Previous(), 0u);  // the lost shots cannot be stepped back to
  EXPECT_EQ(tab.FireNext(), Shot(3));
  // Both pointers have wrapped, yet they differ, so the program sees the waiting shots.
  EXPECT_EQ(tab.EmptyPointer(), 0x8002);
  EXPECT_EQ(tab.NextPointer(), 0x0004);
  EXPECT_EQ(CountsShownByProgram(tab.NextPointer(), tab.EmptyPointer()).buffered, kMaxBuffered - 1);
}

TEST(ShotTabTest, StepBackStopsAtZeroAndResetForgetsAll) {
  ShotTab tab;
  EXPECT_EQ(tab.StepBack(1), 0u);
  for (int i = 0; i < 3; ++i) tab.RecordFired(Shot(7));
  EXPECT_EQ(tab.StepBack(10), 3u);
  EXPECT_EQ(tab.NextPointer(), 0x0000);
  EXPECT_EQ(tab.EmptyPointer(), 0x0003);
  tab.Reset();
  EXPECT_EQ(tab.stored(), 0u);
  EXPECT_EQ(tab.fired(), 0u);
  EXPECT_FALSE(tab.FireNext());
}

// Whatever happens to the tab, the program's reading of its pointers gives the true number of
// waiting shots and never fewer previous shots than "b" can reach.
TEST(ShotTabTest, ProgramCountsMatchTheTabThroughSeveralWraps) {
  ShotTab tab;
  std::mt19937 random(42);
  std::uniform_int_distribution<int> operation(0, 99);
  for (int step = 0; step < 60'000; ++step) {
    // Phases that fill the ring and phases that empty it, so both ends are crossed often.
    const bool filling = (step / 5000) % 2 == 0;
    const int choice = operation(random);
    if (choice < (filling ? 60 : 15)) {
      tab.Store(Shot(1));
    } else if (choice < 75) {
      tab.RecordFired(Shot(2));
    } else if (choice < 95) {
      tab.FireNext();
      if (!filling) tab.FireNext();
    } else {
      tab.StepBack(choice < 98 ? 1 : 10);
    }
    const ProgramCounts shown = CountsShownByProgram(tab.NextPointer(), tab.EmptyPointer());
    ASSERT_EQ(shown.buffered, tab.Buffered())
        << "step " << step << " stored " << tab.stored() << " fired " << tab.fired();
    ASSERT_GE(shown.previous, tab.Previous()) << "step " << step;
    if (tab.stored() < kTabPlaces) {
      ASSERT_EQ(shown.previous, tab.Previous()) << "step " << step;
    }
  }
  EXPECT_GT(tab.stored(), 3 * kTabPlaces);  // the run went round the ring several times
}

}  // namespace
}  // namespace tarvik::sim
