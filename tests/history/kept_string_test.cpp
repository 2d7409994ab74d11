#include "history/kept_string.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tarvik {
namespace {

KeptString StringOf(std::initializer_list<double> velocities) {
  KeptString string;
  string.id = "2026-12-07_093005";
  string.name = "JSB";
  string.notes = "calm";
  std::int32_t number = 0;
  for (const double velocity : velocities) {
    KeptShot shot;
    shot.number = ++number;
    shot.velocity = velocity;
    string.shots.push_back(shot);
  }
  return string;
}

TEST(KeptStringTest, FiguresAreOfCountedShotsOnly) {
  KeptString string = StringOf({800.0, 810.0, 990.0, 820.0, 1.0});
  string.shots[2].left_out = true;
  string.shots[4].undone = true;
  const StringSummary summary = Summarize(string);
  EXPECT_EQ(summary.id, string.id);
  EXPECT_EQ(summary.name, "JSB");
  EXPECT_EQ(summary.notes, "calm");
  EXPECT_EQ(summary.shots, 3);
  EXPECT_DOUBLE_EQ(*summary.average, 810.0);
  EXPECT_DOUBLE_EQ(*summary.extreme_spread, 20.0);
  EXPECT_DOUBLE_EQ(*summary.standard_deviation, 10.0) << "n - 1";
}

TEST(KeptStringTest, FiguresAreAbsentWhereThereAreTooFewShots) {
  const StringSummary none = Summarize(StringOf({}));
  EXPECT_EQ(none.shots, 0);
  EXPECT_FALSE(none.average || none.extreme_spread || none.standard_deviation);
  KeptString all_out = StringOf({800.0});
  all_out.shots[0].left_out = true;
  EXPECT_FALSE(Summarize(all_out).average);
  const StringSummary one = Summarize(StringOf({800.0}));
  EXPECT_EQ(one.average, 800.0);
  EXPECT_EQ(one.extreme_spread, 0.0);
  EXPECT_FALSE(one.standard_deviation);
}

TEST(KeptStringTest, NearEqualVelocitiesKeepTheirDeviation) {
  const StringSummary summary = Summarize(StringOf({800000.01, 800000.02, 800000.03}));
  EXPECT_NEAR(*summary.standard_deviation, 0.01, 1e-9);
  EXPECT_NEAR(*summary.average, 800000.02, 1e-9);
}

}  // namespace
}  // namespace tarvik
