#include "measure/averages.h"

#include "measure/units.h"

namespace tarvik {

Averages ComputeAverages(const ShotSeries& series, double weight) {
  Averages averages;
  averages.shots = series.count();
  if (averages.shots == 0) return averages;
  double sum = 0.0;
  for (double v : series.velocities()) sum += v;
  averages.velocity = sum / averages.shots;
  averages.energy = FlooredShotEnergy(averages.velocity, weight);
  return averages;
}

}  // namespace tarvik
