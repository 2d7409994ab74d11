#include "measure/shot_series.h"

#include <limits>

namespace tarvik {

ShotSeries::~ShotSeries() { ReleaseSeries(); }

bool ShotSeries::AppendShot(double velocity) {
  if (count_ == capacity_) {
    if (capacity_ > std::numeric_limits<std::int32_t>::max() - kGrowthStep) return false;
    const std::int32_t new_capacity = capacity_ + kGrowthStep;
    void* grown = reallocate_(velocities_, static_cast<std::size_t>(new_capacity) * sizeof(double));
    if (grown == nullptr) return false;  // realloc left the old storage untouched
    velocities_ = static_cast<double*>(grown);
    capacity_ = new_capacity;
  }
  velocities_[count_++] = velocity;
  return true;
}

void ShotSeries::ReleaseSeries() {
  std::free(velocities_);
  velocities_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}

}  // namespace tarvik
