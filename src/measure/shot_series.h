// The in-memory list of shot velocities (fps), oldest first. It grows in steps of 100 places
// and never shrinks: Reset and Undo only lower the count.
#ifndef TARVIK_MEASURE_SHOT_SERIES_H_
#define TARVIK_MEASURE_SHOT_SERIES_H_

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace tarvik {

class ShotSeries {
 public:
  static constexpr std::int32_t kGrowthStep = 100;

  // The storage's grow call; tests pass one that fails.
  using Reallocate = void* (*)(void*, std::size_t);
  static void* CReallocate(void* block, std::size_t size) { return std::realloc(block, size); }

  explicit ShotSeries(Reallocate reallocate = &CReallocate) : reallocate_(reallocate) {}
  ~ShotSeries();
  ShotSeries(const ShotSeries&) = delete;
  ShotSeries& operator=(const ShotSeries&) = delete;

  // Adds a velocity at the end. When the storage cannot grow the series stays as it was and
  // the velocity is dropped: the result is then false.
  bool AppendShot(double velocity);
  void ResetSeries() { count_ = 0; }
  void UndoLastShot() {
    if (count_ > 0) --count_;
  }
  // Gives the storage back; the series is empty and without room afterwards.
  void ReleaseSeries();

  std::int32_t count() const { return count_; }
  std::int32_t capacity() const { return capacity_; }
  double at(std::int32_t index) const { return velocities_[index]; }
  std::span<const double> velocities() const {
    return {velocities_, static_cast<std::size_t>(count_)};
  }

 private:
  // Raw storage grown with realloc: for large series the C library moves pages instead of
  // copying them, so growing by a fixed step stays cheap.
  Reallocate reallocate_;
  double* velocities_ = nullptr;
  std::int32_t count_ = 0;
  std::int32_t capacity_ = 0;
};

}  // namespace tarvik

#endif  // TARVIK_MEASURE_SHOT_SERIES_H_
