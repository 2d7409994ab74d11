#include "measure/averages.h"

#include <gtest/gtest.h>

#include "base/number_text.h"

namespace tarvik {
namespace {

TEST(ComputeAveragesTest, EmptySeriesHasNoShots) {
  ShotSeries series;
  EXPECT_EQ(ComputeAverages(series, 15.0).shots, 0);
}

TEST(ComputeAveragesTest, AverageEnergyIsTheEnergyOfTheFlooredMean) {
  ShotSeries series;
  for (double v : {800.0, 810.0, 790.5}) series.AppendShot(v);
  const Averages three = ComputeAverages(series, 15.0);
  EXPECT_EQ(three.shots, 3);
  EXPECT_EQ(FormatFixed(three.velocity, 2), "800.17");
  EXPECT_EQ(FormatFixed(three.energy, 2), "21.32");  // the energy of 800 fps
  EXPECT_EQ(FormatFixed(ComputeAverages(series, 30.0).energy, 2), "42.64");
}

}  // namespace
}  // namespace tarvik
