// The in-memory list of shot velocities (fps), oldest first. Reset and Undo only lower the count;
// the room stays until the series is released.
#ifndef TARVIK_MEASURE_SHOT_SERIES_H_
#define TARVIK_MEASURE_SHOT_SERIES_H_

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace tarvik {

class ShotSeries {
 public:
  // Adds a velocity at the end; false, and the velocity dropped, when the series already holds
  // as many shots as its count can tell.
  bool AppendShot(double velocity) {
    if (count() == std::numeric_limits<std::int32_t>::max()) return false;
    velocities_.push_back(velocity);
    return true;
  }
  void ResetSeries() { velocities_.clear(); }
  void UndoLastShot() {
    if (!velocities_.empty()) velocities_.pop_back();
  }
  // Gives the storage back; the series is empty and without room afterwards.
  void ReleaseSeries() { velocities_ = std::vector<double>(); }

  std::int32_t count() const { return static_cast<std::int32_t>(velocities_.size()); }
  double at(std::int32_t index) const { return velocities_[static_cast<std::size_t>(index)]; }
  std::span<const double> velocities() const { return velocities_; }

 private:
  std::vector<double> velocities_;
};

}  // namespace tarvik

#endif  // TARVIK_MEASURE_SHOT_SERIES_H_
