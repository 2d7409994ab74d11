// The advanced statistics of a run of shots: minimum, maximum, average, range and RMS deviation
// of the velocities and of the shots' energies. The RMS deviation divides by the number of shots
// (the population's, not the sample's standard deviation), and energies come from the unfloored
// velocities, so the average energy here is the mean of the shots' energies.
#ifndef TARVIK_MEASURE_STATISTICS_H_
#define TARVIK_MEASURE_STATISTICS_H_

#include <cstdint>
#include <span>

#include "measure/shot_series.h"

namespace tarvik {

struct Spread {
  double minimum = 0.0;
  double maximum = 0.0;
  double average = 0.0;
  double range = 0.0;
  double rms = 0.0;
};

struct ShotStatistics {
  Spread velocity;  // fps
  Spread energy;    // ft.lbs
};

// The shots the statistics use: the last `last_n` when that is neither 0 nor the whole series
// or more, otherwise all of them.
std::span<const double> LastShots(const ShotSeries& series, std::uint32_t last_n);

// Two passes over `velocities` (fps) at `weight` grains; the span must not be empty.
ShotStatistics ComputeStatistics(std::span<const double> velocities, double weight);

}  // namespace tarvik

#endif  // TARVIK_MEASURE_STATISTICS_H_
