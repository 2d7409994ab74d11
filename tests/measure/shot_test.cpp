#include "measure/shot.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvik {
namespace {

TEST(MakeShotTest, WorkedExample) {
  // "001234": six digits, mark 3; calibration 100 takes 7800 off the timing constant.
  const Shot shot = MakeShot({1234, 6}, 100, 15.0);
  EXPECT_EQ(shot.count, 1234);
  EXPECT_EQ(shot.mark, HardwareMark::kMark3);
  EXPECT_DOUBLE_EQ(shot.velocity, (789800.0 - 7800.0) / 1234.0);
  EXPECT_DOUBLE_EQ(shot.energy, 633.0 * 633.0 * 15.0 / 450240.0);
}

TEST(MakeShotTest, DigitCountTellsTheMarkAndItsConstant) {
  struct Case {
    int digits;
    HardwareMark mark;
    double constant;
  };
  for (const Case& c : {Case{1, HardwareMark::kMark4, 795300.0},
                        {3, HardwareMark::kMark4, 795300.0},
                        {4, HardwareMark::kMark12, 792133.0},
                        {5, HardwareMark::kMark12, 792133.0},
                        {6, HardwareMark::kMark3, 789800.0},
                        {7, HardwareMark::kMark4, 795300.0},
                        {154, HardwareMark::kMark4, 795300.0}}) {
    const Shot shot = MakeShot({999, c.digits}, 0, 15.0);
    EXPECT_EQ(shot.mark, c.mark) << c.digits << " digits";
    EXPECT_DOUBLE_EQ(shot.velocity, c.constant / 999.0) << c.digits << " digits";
  }
  EXPECT_STREQ(MarkLabel(HardwareMark::kMark12), "1/2");
}

TEST(MakeShotTest, CalibrationIsSubtractedSeventyEightFoldAndNeverOverflows) {
  EXPECT_DOUBLE_EQ(MakeShot({1000, 4}, -50, 15.0).velocity, (792133.0 + 3900.0) / 1000.0);
  EXPECT_DOUBLE_EQ(MakeShot({1, 1}, std::numeric_limits<std::int32_t>::min(), 15.0).velocity,
                   795300.0 + 2147483648.0 * 78.0);
  EXPECT_DOUBLE_EQ(MakeShot({1, 1}, std::numeric_limits<std::int32_t>::max(), 15.0).velocity,
                   795300.0 - 2147483647.0 * 78.0);
}

TEST(MakeShotTest, EnergyUsesTheFlooredVelocity) {
  // 784.333 fps: a count of 1000 at mark 1/2 with a calibration giving K = 784333.
  const Shot shot = MakeShot({1000, 4}, (792133 - 784333) / 78, 15.0);
  EXPECT_DOUBLE_EQ(shot.velocity, 784.333);
  EXPECT_DOUBLE_EQ(shot.energy, 784.0 * 784.0 * 15.0 / 450240.0);  // 20.48
}

}  // namespace
}  // namespace tarvik
