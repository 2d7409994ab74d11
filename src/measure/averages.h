// The series' averages as the main window shows them: the number of shots, the mean velocity
// and the energy of that mean, recomputed from the whole series each time.
#ifndef TARVIK_MEASURE_AVERAGES_H_
#define TARVIK_MEASURE_AVERAGES_H_

#include <cstdint>

#include "measure/shot_series.h"

namespace tarvik {

struct Averages {
  std::int32_t shots = 0;
  // Meaningful only when there are shots.
  double velocity = 0.0;  // fps: the sum of the velocities in index order, divided by their number
  double energy = 0.0;    // ft.lbs of the mean floored to whole fps, at the given weight
};

Averages ComputeAverages(const ShotSeries& series, double weight);

}  // namespace tarvik

#endif  // TARVIK_MEASURE_AVERAGES_H_
