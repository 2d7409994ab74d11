// The shot table's figures against an independent two-pass computation.
#include "measure/shot_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "measure/units.h"

namespace tarvik {
namespace {

// A sum kept with its rounding error (Neumaier), so that the reference loses nothing over a
// million terms.
class CompensatedSum {
 public:
  void Add(double term) {
    const double sum = sum_ + term;
    error_ += std::abs(sum_) >= std::abs(term) ? (sum_ - sum) + term : (term - sum) + sum_;
    sum_ = sum;
  }
  double Get() const { return sum_ + error_; }

 private:
  double sum_ = 0.0;
  double error_ = 0.0;
};

// Mean first, then the squared deviations from it, each sum compensated.
Figures TwoPass(const std::vector<double>& values) {
  Figures figures;
  figures.count = static_cast<std::int64_t>(values.size());
  CompensatedSum sum;
  for (const double v : values) sum.Add(v);
  figures.average = sum.Get() / static_cast<double>(values.size());
  CompensatedSum squares;
  for (const double v : values) squares.Add((v - figures.average) * (v - figures.average));
  figures.standard_deviation = std::sqrt(squares.Get() / static_cast<double>(values.size() - 1));
  const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
  figures.lowest = *lowest;
  figures.highest = *highest;
  figures.extreme_spread = *highest - *lowest;
  return figures;
}

void ExpectClose(const Figures& got, const Figures& want) {
  constexpr double kRelative = 1e-9;
  EXPECT_EQ(got.count, want.count);
  EXPECT_NEAR(got.average, want.average, std::abs(want.average) * kRelative);
  EXPECT_NEAR(got.standard_deviation, want.standard_deviation, want.standard_deviation * kRelative);
  EXPECT_EQ(got.lowest, want.lowest);
  EXPECT_EQ(got.highest, want.highest);
  EXPECT_EQ(got.extreme_spread, want.extreme_spread);
}

constexpr int kMillion = 1'000'000;
constexpr double kWeight = 15.89;

// Velocities over the whole range a chronoscope sees, a string of one pellet with a normal
// spread, and a string of near-equal values on which a running sum of squares cancels to noise.
TEST(ShotFiguresTest, MillionShotStringsMatchTwoPasses) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> wide(400.0, 1200.0);
    std::normal_distribution<double> pellet(800.0, 6.0);
    std::uniform_real_distribution<double> near_equal(1000.0, 1000.0001);
    for (int kind = 0; kind < 3; ++kind) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << " kind " << kind);
      ShotFigures figures;
      std::vector<double> velocities(kMillion);
      std::vector<double> energies(kMillion);
      for (int i = 0; i < kMillion; ++i) {
        const double v = kind == 0 ? wide(random) : kind == 1 ? pellet(random) : near_equal(random);
        velocities[i] = v;
        energies[i] = FlooredShotEnergy(v, kWeight);
        figures.Add(v, kWeight);
      }
      ExpectClose(figures.velocity().Get(), TwoPass(velocities));
      ExpectClose(figures.energy().Get(), TwoPass(energies));
    }
  }
}

// No shot and one shot give figures, not a division by zero: with one shot there is no spread to
// estimate from. From two shots on the million-shot strings check every figure.
TEST(ShotFiguresTest, NoShotAndOneShot) {
  ShotFigures figures;
  const Figures none = figures.velocity().Get();
  EXPECT_EQ(std::tuple(none.count, none.average, none.lowest, none.highest),
            std::tuple(0, 0.0, 0.0, 0.0));
  figures.Add(800.0, 15.0);
  const Figures one = figures.velocity().Get();
  EXPECT_EQ(std::tuple(one.count, one.average, one.extreme_spread, one.standard_deviation,
                       one.lowest, one.highest),
            std::tuple(1, 800.0, 0.0, 0.0, 800.0, 800.0));
  EXPECT_DOUBLE_EQ(figures.energy().Get().average, 800.0 * 800.0 * 15.0 / 450240.0);
}

// The owner rebuilds after a shot is left out: what is left must not remember the old shots,
// the first value the update is shifted by included.
TEST(ShotFiguresTest, ClearAndRebuildForgetsEverything) {
  ShotFigures figures;
  for (const double v : {5000.0, 790.0, 812.5, 1.0}) figures.Add(v, 8.44);
  figures.Clear();
  EXPECT_EQ(figures.velocity().Get().count, 0);
  EXPECT_EQ(figures.energy().Get().count, 0);
  ShotFigures fresh;
  for (const double v : {790.0, 812.5, 801.25}) {
    figures.Add(v, 8.44);
    fresh.Add(v, 8.44);
  }
  for (const auto& [got, want] : {std::pair{figures.velocity().Get(), fresh.velocity().Get()},
                                  std::pair{figures.energy().Get(), fresh.energy().Get()}}) {
    EXPECT_EQ(got.count, 3);
    EXPECT_EQ(got.average, want.average);
    EXPECT_EQ(got.standard_deviation, want.standard_deviation);
    EXPECT_EQ(got.lowest, want.lowest);
    EXPECT_EQ(got.highest, want.highest);
  }
  EXPECT_EQ(figures.velocity().Get().lowest, 790.0);
  EXPECT_EQ(figures.velocity().Get().highest, 812.5);
}

}  // namespace
}  // namespace tarvik
