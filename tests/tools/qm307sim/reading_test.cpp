#include "qm307sim/reading.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvik::sim {
namespace {

TEST(ReadingTest, VelocityGivesTheCountOfEachMarkPaddedToItsDigits) {
  // count = round((K - 7800) / v): 784333 / 700 = 1120.48, 782000 / 700 = 1117.14,
  // 787500 / 700 = 1125.
  EXPECT_EQ(ReadingText(*ReadingForVelocity(700.0, Mark::kMark12)), "1120\r\n");
  EXPECT_EQ(ReadingText(*ReadingForVelocity(700.0, Mark::kMark3)), "001117\r\n");
  EXPECT_EQ(ReadingText(*ReadingForVelocity(700.0, Mark::kMark4)), "0001125\r\n");
  // 784333 / 50 = 15686.66: mark 1/2 goes on to its fifth digit.
  EXPECT_EQ(ReadingText(*ReadingForVelocity(50.0, Mark::kMark12)), "15687\r\n");
  // Fast shots keep the mark's digit count through leading zeros.
  EXPECT_EQ(ReadingText(*ReadingForVelocity(100000.0, Mark::kMark12)), "0008\r\n");
  // At 1 fps the count is K - 7800 itself.
  EXPECT_EQ(ReadingForVelocity(1.0, Mark::kMark3), (Reading{782000, 6}));
  EXPECT_EQ(ReadingForVelocity(1.0, Mark::kMark4), (Reading{787500, 7}));
}

TEST(ReadingTest, VelocityIsRefusedWhenTheCountDoesNotFitTheMark) {
  std::string error;
  // 99999.4 rounds to the largest five-digit count; a hair slower needs six digits.
  EXPECT_EQ(ReadingForVelocity(784333.0 / 99999.4, Mark::kMark12), (Reading{99999, 5}));
  EXPECT_FALSE(ReadingForVelocity(784333.0 / 99999.6, Mark::kMark12, &error));
  EXPECT_NE(error.find("too low"), std::string::npos);
  EXPECT_FALSE(ReadingForVelocity(0.7, Mark::kMark3));  // 1117143: seven digits
  // A count that rounds to 0 is no reading.
  EXPECT_FALSE(ReadingForVelocity(2.0e6, Mark::kMark12, &error));
  EXPECT_NE(error.find("too high"), std::string::npos);
  for (const double velocity : {0.0, -700.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(ReadingForVelocity(velocity, Mark::kMark4)) << velocity;
  }
}

TEST(ReadingTest, RawCountMustFitItsDigits) {
  EXPECT_EQ(ReadingText(*ReadingForCount(1234, 9)), "000001234\r\n");
  EXPECT_EQ(ReadingText(*ReadingForCount(0, 1)), "0\r\n");
  EXPECT_EQ(ReadingText(*ReadingForCount(999'999'999'999'999'999u, 18)), "999999999999999999\r\n");
  EXPECT_FALSE(ReadingForCount(1234, 3));
  EXPECT_FALSE(ReadingForCount(1, 0));
  EXPECT_FALSE(ReadingForCount(1, 19));
}

}  // namespace
}  // namespace tarvik::sim
