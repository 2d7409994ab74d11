#include "measure/statistics.h"

#include <cmath>

#include "measure/units.h"

namespace tarvik {

std::span<const double> LastShots(const ShotSeries& series, std::uint32_t last_n) {
  const std::span<const double> all = series.velocities();
  if (last_n == 0 || last_n >= all.size()) return all;
  return all.last(last_n);
}

ShotStatistics ComputeStatistics(std::span<const double> velocities, double weight) {
  // The extremes start where any real shot will replace them.
  constexpr double kStartMinimum = 1e10;
  ShotStatistics stats;
  Spread& v = stats.velocity;
  Spread& e = stats.energy;
  v.minimum = e.minimum = kStartMinimum;
  double velocity_sum = 0.0;
  double energy_sum = 0.0;
  for (const double velocity : velocities) {
    const double energy = ShotEnergy(velocity, weight);
    velocity_sum += velocity;
    energy_sum += energy;
    if (velocity > v.maximum) v.maximum = velocity;
    if (velocity < v.minimum) v.minimum = velocity;
    if (energy > e.maximum) e.maximum = energy;
    if (energy < e.minimum) e.minimum = energy;
  }
  const auto n = static_cast<double>(velocities.size());
  v.average = velocity_sum / n;
  e.average = energy_sum / n;
  // The second pass about the averages: exact where a one-pass sum of squares would cancel.
  double velocity_squares = 0.0;
  double energy_squares = 0.0;
  for (const double velocity : velocities) {
    const double energy = ShotEnergy(velocity, weight);
    velocity_squares += (velocity - v.average) * (velocity - v.average);
    energy_squares += (energy - e.average) * (energy - e.average);
  }
  v.rms = std::sqrt(velocity_squares / n);
  e.rms = std::sqrt(energy_squares / n);
  v.range = v.maximum - v.minimum;
  e.range = e.maximum - e.minimum;
  return stats;
}

}  // namespace tarvik
