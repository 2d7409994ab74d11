#include "qm307sim/shot_tab.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <utility>

#include "link/tab_counts.h"

namespace tarvik::sim {
namespace {

Reading Shot(std::uint64_t count) { return Reading{count, 6}; }

// The next and the empty pointer of the reply to "t", and what the program's tab group shows.
std::pair<int, int> Pointers(const ShotTab& tab) { return {tab.NextPointer(), tab.EmptyPointer()}; }
TabCounts ProgramCounts(const ShotTab& tab) {
  return CountTabShots(tab.NextPointer(), tab.EmptyPointer());
}

TEST(ShotTabTest, LiveShotsMoveBothPointersAcrossTheWrap) {
  ShotTab tab;
  for (int i = 0; i < 4095; ++i) tab.RecordFired(Shot(1000));
  EXPECT_EQ(Pointers(tab), std::pair(0x8000, 0x8000));
  EXPECT_EQ(tab.StepBack(1), 1u);  // back below the wrap: the flag goes with the position
  EXPECT_EQ(Pointers(tab), std::pair(0x0FFE, 0x8000));
  EXPECT_EQ(ProgramCounts(tab).buffered, 1);
}

TEST(ShotTabTest, StoredShotsComeBackInOrderAndLiveShotsDoNotJumpTheQueue) {
  ShotTab tab;
  EXPECT_EQ(tab.StepBack(1), 0u);  // nothing to go back to
  for (const std::uint64_t count : {1, 2}) tab.Store(Shot(count));
  tab.RecordFired(Shot(3));  // fired while 1 and 2 wait
  EXPECT_EQ(tab.FireNext(), Shot(1));
  EXPECT_EQ(tab.FireNext(), Shot(2));
  EXPECT_FALSE(tab.FireNext());
  // Back over all three, and no further: the live shot was kept before the stored ones.
  EXPECT_EQ(tab.StepBack(10), 3u);
  EXPECT_EQ(tab.FireNext(), Shot(3));
  EXPECT_EQ(tab.FireNext(), Shot(1));
}

TEST(ShotTabTest, AFullRingGivesUpItsOldestWaitingShot) {
  ShotTab tab;
  for (std::uint64_t i = 0; i < kMaxBuffered + 3; ++i) tab.Store(Shot(i));
  EXPECT_EQ(tab.Buffered(), kMaxBuffered);
  EXPECT_EQ(tab.Previous(), 0u);  // the lost shots cannot be stepped back to
  EXPECT_EQ(tab.FireNext(), Shot(3));
  // Both pointers have wrapped, yet they differ, so the program sees the waiting shots.
  EXPECT_EQ(Pointers(tab), std::pair(0x0004, 0x8002));
  EXPECT_EQ(ProgramCounts(tab).buffered, kMaxBuffered - 1);
}

TEST(ShotTabTest, ProgramShowsTheWaitingShotsAndNeverFewerPreviousOnesThroughManyWraps) {
  ShotTab tab;
  std::mt19937 random(42);
  for (int step = 0; step < 60'000; ++step) {
    // Phases that fill the ring and phases that empty it, so both ends are crossed often.
    const bool filling = (step / 5000) % 2 == 0;
    const auto choice = random() % 100;
    if (choice < (filling ? 60u : 15u)) {
      tab.Store(Shot(1));
    } else if (choice < 75) {
      tab.RecordFired(Shot(2));
    } else if (choice < 95) {
      if (tab.FireNext() && !filling) tab.FireNext();  // twice while emptying
    } else {
      tab.StepBack(choice < 98 ? 1 : 10);
    }
    const TabCounts shown = ProgramCounts(tab);
    ASSERT_EQ(shown.buffered, tab.Buffered()) << "step " << step;
    ASSERT_GE(shown.previous, tab.Previous()) << "step " << step;
    ASSERT_TRUE(tab.stored() >= kTabPlaces || shown.previous == tab.Previous()) << "step " << step;
  }
  EXPECT_GT(tab.stored(), 3 * kTabPlaces);  // the run went round the ring several times
}

}  // namespace
}  // namespace tarvik::sim
