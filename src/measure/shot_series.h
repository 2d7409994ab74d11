// The shots of the series, oldest first: every shot as a row of the shot table (its velocity in
// fps, when it came and what the instrument said of it, whether the user left it out), and the
// velocities of the counted shots, which the averages, the statistics and the graph use. With no
// shot left out the two lists hold the same velocities. Reset and Undo keep the room until the
// series is released.
#ifndef TARVIK_MEASURE_SHOT_SERIES_H_
#define TARVIK_MEASURE_SHOT_SERIES_H_

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "link/hardware_mark.h"

namespace tarvik {

// What the instrument told of a shot, with the local time of day it was decoded at; a shot loaded
// from the log has none of it.
struct ShotOrigin {
  std::int32_t time_of_day_ms = 0;  // from local midnight
  std::int32_t count = 0;
  HardwareMark mark = HardwareMark::kMark4;
};

class ShotRow {
 public:
  ShotRow(double velocity, const ShotOrigin* origin);

  double velocity() const { return velocity_; }
  bool loaded() const { return !decoded_; }  // from the log: no time, count or mark
  std::int32_t time_of_day_ms() const { return time_of_day_ms_; }
  std::int32_t count() const { return count_; }
  HardwareMark mark() const { return mark_; }
  bool left_out() const { return left_out_; }
  void set_left_out(bool left_out) { left_out_ = left_out; }

 private:
  // Packed: a string of 100,000 shots is a few megabytes.
  double velocity_;
  std::int32_t time_of_day_ms_ = 0;
  std::int32_t count_ = 0;
  HardwareMark mark_ = HardwareMark::kMark4;
  bool decoded_ = false;
  bool left_out_ = false;
};

class ShotSeries {
 public:
  // Adds a shot at the end, counted; false, and the shot dropped, when the series already holds
  // as many shots as its count can tell. A shot without an origin was loaded from the log.
  bool AppendShot(double velocity, const ShotOrigin* origin = nullptr);
  void ResetSeries();
  // Takes away the last shot, counted or left out.
  void UndoLastShot();
  // Gives the storage back; the series is empty and without room afterwards.
  void ReleaseSeries();
  // Leaves the shots at `rows` out of the counted ones, or takes them in again; rows outside
  // the series are passed over. Whether any shot changed.
  bool SetLeftOut(std::span<const std::int32_t> rows, bool left_out);

  // The counted shots.
  std::int32_t count() const { return static_cast<std::int32_t>(counted_.size()); }
  double at(std::int32_t index) const { return counted_[static_cast<std::size_t>(index)]; }
  std::span<const double> velocities() const { return counted_; }

  // Every shot, counted or left out.
  std::int32_t row_count() const { return static_cast<std::int32_t>(rows_.size()); }
  const ShotRow& row(std::int32_t index) const { return rows_[static_cast<std::size_t>(index)]; }
  std::int32_t left_out_count() const { return row_count() - count(); }

 private:
  void RecountShots();

  std::vector<ShotRow> rows_;
  std::vector<double> counted_;
};

}  // namespace tarvik

#endif  // TARVIK_MEASURE_SHOT_SERIES_H_
