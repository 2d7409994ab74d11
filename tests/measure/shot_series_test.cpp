#include "measure/shot_series.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarvik {
namespace {

TEST(ShotSeriesTest, KeepsOrderAcrossGrowthResetAndUndo) {
  ShotSeries series;
  series.UndoLastShot();  // on an empty series: nothing happens
  EXPECT_EQ(series.count(), 0);
  for (int i = 0; i < 250; ++i) series.AppendShot(500.0 + i);
  for (int i = 0; i < 250; ++i) ASSERT_EQ(series.at(i), 500.0 + i) << "element " << i;
  series.UndoLastShot();
  series.AppendShot(1.0);  // takes the dropped place
  EXPECT_EQ(series.count(), 250);
  EXPECT_EQ(series.at(249), 1.0);
  series.ResetSeries();
  series.AppendShot(700.0);  // the next shot after a reset is element 0
  ASSERT_EQ(series.count(), 1);
  EXPECT_EQ(series.at(0), 700.0);
}

// Lets the first grows through and refuses every later one.
int grows_allowed = 0;
void* LimitedRealloc(void* block, std::size_t size) {
  if (grows_allowed-- <= 0) return nullptr;
  return std::realloc(block, size);
}

TEST(ShotSeriesTest, SeriesThatCannotGrowStaysIntactAndDropsTheNewShot) {
  grows_allowed = 0;
  ShotSeries empty(&LimitedRealloc);
  EXPECT_FALSE(empty.AppendShot(800.0));
  EXPECT_EQ(empty.count(), 0);

  grows_allowed = 1;
  ShotSeries series(&LimitedRealloc);
  int appended = 0;
  while (series.AppendShot(600.0 + appended)) ++appended;
  EXPECT_EQ(series.count(), appended);
  for (int i = 0; i < appended; ++i) ASSERT_EQ(series.at(i), 600.0 + i);
  series.UndoLastShot();
  EXPECT_TRUE(series.AppendShot(777.0));  // room inside the storage needs no growth
}

}  // namespace
}  // namespace tarvik
