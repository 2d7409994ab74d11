#include "measure/shot_figures.h"

#include <cmath>

#include "measure/units.h"

namespace tarvik {

void RunningFigures::Add(double value) {
  ++count_;
  if (count_ == 1) {
    shift_ = lowest_ = highest_ = value;
    return;
  }
  // Welford: the deviation from the old mean times that from the new one is what the sum of
  // squared deviations gains, without the cancellation of a running sum of squares.
  const double shifted = value - shift_;
  const double deviation = shifted - shifted_mean_;
  shifted_mean_ += deviation / static_cast<double>(count_);
  squared_deviations_ += deviation * (shifted - shifted_mean_);
  if (value < lowest_) lowest_ = value;
  if (value > highest_) highest_ = value;
}

Figures RunningFigures::Get() const {
  Figures figures;
  figures.count = count_;
  if (count_ == 0) return figures;
  figures.average = shift_ + shifted_mean_;
  figures.lowest = lowest_;
  figures.highest = highest_;
  figures.extreme_spread = highest_ - lowest_;
  if (count_ > 1) {
    figures.standard_deviation = std::sqrt(squared_deviations_ / static_cast<double>(count_ - 1));
  }
  return figures;
}

void ShotFigures::Add(double velocity, double weight) {
  velocity_.Add(velocity);
  energy_.Add(FlooredShotEnergy(velocity, weight));
}

void ShotFigures::Clear() {
  velocity_.Clear();
  energy_.Clear();
}

}  // namespace tarvik
