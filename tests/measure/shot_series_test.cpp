#include "measure/shot_series.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "measure/averages.h"
#include "measure/statistics.h"

namespace tarvik {
namespace {

using Velocities = std::vector<double>;
using Rows = std::vector<std::int32_t>;

Velocities Counted(const ShotSeries& series) {
  return {series.velocities().begin(), series.velocities().end()};
}

Velocities AllRows(const ShotSeries& series) {
  Velocities all;
  for (std::int32_t i = 0; i < series.row_count(); ++i) all.push_back(series.row(i).velocity());
  return all;
}

ShotSeries FiveShots() {
  ShotSeries series;
  for (const double v : {801.0, 802.0, 803.0, 804.0, 805.0}) series.AppendShot(v);
  return series;
}

// Left-out shots stay in their rows and leave the counted velocities, in order, wherever they
// stand; taking them in puts them back where they were.
TEST(ShotSeriesTest, ShotsLeftOutAnywhereLeaveTheCountedOnesAndComeBackInTheirPlace) {
  ShotSeries series = FiveShots();
  EXPECT_TRUE(series.SetLeftOut(Rows{0, 2, 4}, true));
  EXPECT_EQ(Counted(series), (Velocities{802.0, 804.0}));
  EXPECT_EQ(AllRows(series), (Velocities{801.0, 802.0, 803.0, 804.0, 805.0}));
  EXPECT_EQ(series.left_out_count(), 3);
  EXPECT_FALSE(series.SetLeftOut(Rows{0, 2}, true)) << "already left out";
  EXPECT_FALSE(series.SetLeftOut(Rows{-1, 5, 99}, true)) << "rows outside the series";
  EXPECT_TRUE(series.SetLeftOut(Rows{2}, false));
  EXPECT_EQ(Counted(series), (Velocities{802.0, 803.0, 804.0}));
  EXPECT_EQ(ComputeAverages(series, 15.0).velocity, 803.0);
  EXPECT_EQ(ComputeStatistics(LastShots(series, 2), 15.0).velocity.minimum, 803.0);
  EXPECT_TRUE(series.SetLeftOut(Rows{0, 1, 2, 3, 4}, true));
  EXPECT_EQ(series.count(), 0);
  EXPECT_EQ(series.row_count(), 5);
}

// Undo takes the last row away whether it counts or not; the counted shots follow.
TEST(ShotSeriesTest, UndoTakesTheLastShotCountedOrLeftOutAndResetEmptiesBoth) {
  ShotSeries series = FiveShots();
  series.SetLeftOut(Rows{4}, true);
  series.UndoLastShot();
  EXPECT_EQ(Counted(series), (Velocities{801.0, 802.0, 803.0, 804.0}));
  EXPECT_EQ(series.row_count(), 4);
  series.SetLeftOut(Rows{1}, true);
  series.UndoLastShot();
  EXPECT_EQ(Counted(series), (Velocities{801.0, 803.0}));
  series.AppendShot(900.0);
  EXPECT_EQ(Counted(series), (Velocities{801.0, 803.0, 900.0}));
  EXPECT_EQ(AllRows(series), (Velocities{801.0, 802.0, 803.0, 900.0}));
  series.ResetSeries();
  EXPECT_EQ(series.row_count() + series.count(), 0);
  series.UndoLastShot();
  EXPECT_EQ(series.row_count(), 0);
  EXPECT_TRUE(series.AppendShot(700.0));  // the next shot after a reset is the first
  EXPECT_EQ(AllRows(series), Velocities{700.0});
  series.ReleaseSeries();
  EXPECT_EQ(series.row_count() + series.count(), 0);
}

// A string of 100,000 rows must stay a few megabytes.
TEST(ShotSeriesTest, ARowTakesAtMost24Bytes) { EXPECT_LE(sizeof(ShotRow), 24u); }

}  // namespace
}  // namespace tarvik
