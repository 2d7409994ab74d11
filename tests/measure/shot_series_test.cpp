#include "measure/shot_series.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarvik {
namespace {

TEST(ShotSeriesTest, GrowsByOneHundredAndKeepsOrder) {
  ShotSeries series;
  series.AppendShot(1.0);
  EXPECT_EQ(series.capacity(), 100);
  for (int i = 2; i <= 100; ++i) series.AppendShot(i);
  EXPECT_EQ(series.capacity(), 100);
  series.AppendShot(101.0);
  EXPECT_EQ(series.count(), 101);
  EXPECT_EQ(series.capacity(), 200);
  for (int i = 0; i < 101; ++i) ASSERT_EQ(series.at(i), i + 1.0) << "element " << i;
}

TEST(ShotSeriesTest, ResetKeepsStorageAndRestartsAtElementZero) {
  ShotSeries series;
  for (int i = 0; i < 150; ++i) series.AppendShot(500.0 + i);
  series.ResetSeries();
  EXPECT_EQ(series.count(), 0);
  EXPECT_EQ(series.capacity(), 200);
  series.AppendShot(700.0);
  EXPECT_EQ(series.count(), 1);
  EXPECT_EQ(series.at(0), 700.0);
  EXPECT_EQ(series.capacity(), 200);
}

TEST(ShotSeriesTest, UndoDropsTheLatestAndStopsAtEmpty) {
  ShotSeries series;
  series.UndoLastShot();
  EXPECT_EQ(series.count(), 0);
  EXPECT_EQ(series.capacity(), 0);
  series.AppendShot(800.0);
  series.AppendShot(810.0);
  series.UndoLastShot();
  ASSERT_EQ(series.count(), 1);
  EXPECT_EQ(series.at(0), 800.0);
  series.AppendShot(820.0);  // overwrites the dropped place
  EXPECT_EQ(series.at(1), 820.0);
}

// Lets the first grows through and refuses every later one.
int grows_allowed = 0;
void* LimitedRealloc(void* block, std::size_t size) {
  if (grows_allowed-- <= 0) return nullptr;
  return std::realloc(block, size);
}

TEST(ShotSeriesTest, SeriesThatCannotGrowStaysIntact) {
  grows_allowed = 1;
  ShotSeries series(&LimitedRealloc);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(series.AppendShot(600.0 + i));
  EXPECT_FALSE(series.AppendShot(999.0));
  EXPECT_EQ(series.count(), 100);
  EXPECT_EQ(series.capacity(), 100);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(series.at(i), 600.0 + i);
  series.UndoLastShot();
  EXPECT_TRUE(series.AppendShot(777.0));  // room inside the storage needs no growth
  EXPECT_EQ(series.at(99), 777.0);
}

TEST(ShotSeriesTest, FirstAppendThatCannotGetStorageLeavesNone) {
  grows_allowed = 0;
  ShotSeries series(&LimitedRealloc);
  EXPECT_FALSE(series.AppendShot(800.0));
  EXPECT_EQ(series.count(), 0);
  EXPECT_EQ(series.capacity(), 0);
}

}  // namespace
}  // namespace tarvik
