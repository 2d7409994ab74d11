#include "measure/shot_series.h"

namespace tarvik {

ShotRow::ShotRow(double velocity, const ShotOrigin* origin) : velocity_(velocity) {
  if (origin == nullptr) return;
  time_of_day_ms_ = origin->time_of_day_ms;
  count_ = origin->count;
  mark_ = origin->mark;
  decoded_ = true;
}

bool ShotSeries::AppendShot(double velocity, const ShotOrigin* origin) {
  if (row_count() == std::numeric_limits<std::int32_t>::max()) return false;
  rows_.emplace_back(velocity, origin);
  counted_.push_back(velocity);
  return true;
}

void ShotSeries::ResetSeries() {
  rows_.clear();
  counted_.clear();
}

void ShotSeries::UndoLastShot() {
  if (rows_.empty()) return;
  if (!rows_.back().left_out()) counted_.pop_back();
  rows_.pop_back();
}

void ShotSeries::ReleaseSeries() {
  rows_ = std::vector<ShotRow>();
  counted_ = std::vector<double>();
}

bool ShotSeries::SetLeftOut(std::span<const std::int32_t> rows, bool left_out) {
  bool changed = false;
  for (const std::int32_t index : rows) {
    if (index < 0 || index >= row_count()) continue;
    ShotRow& shot = rows_[static_cast<std::size_t>(index)];
    changed = changed || shot.left_out() != left_out;
    shot.set_left_out(left_out);
  }
  if (changed) RecountShots();
  return changed;
}

// A change in the middle of the series: the counted velocities are gathered again, in order.
void ShotSeries::RecountShots() {
  counted_.clear();
  for (const ShotRow& shot : rows_) {
    if (!shot.left_out()) counted_.push_back(shot.velocity());
  }
}

}  // namespace tarvik
