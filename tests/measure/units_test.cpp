#include "measure/units.h"

#include <gtest/gtest.h>

#include "base/number_text.h"

namespace tarvik {
namespace {

TEST(ShotEnergyTest, FlooredEnergyUsesWholeFps) {
  EXPECT_EQ(FormatMeasurement(FlooredShotEnergy(800.9, 15.0)), "  21.32");
  EXPECT_EQ(FormatMeasurement(ShotEnergy(800.9, 15.0)), "  21.37");
  // Floor, not truncation: a negative velocity goes down to the next whole number.
  EXPECT_DOUBLE_EQ(FlooredShotEnergy(-0.5, 450240.0), 1.0);
}

TEST(MeasurementFieldTextTest, AbsurdValuesNeverOverrunTheField) {
  EXPECT_EQ(MeasurementFieldText(633.7115), " 633.71");
  EXPECT_EQ(MeasurementFieldText(1e25), "10000000000000000905969664.00");  // 29 characters
  EXPECT_EQ(MeasurementFieldText(1e26), kOverflowText);
  EXPECT_EQ(MeasurementFieldText(ShotEnergy(800.0, 1e300)), kOverflowText);
}

}  // namespace
}  // namespace tarvik
