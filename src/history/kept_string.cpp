#include "history/kept_string.h"

#include "measure/shot_figures.h"

namespace tarvik {

StringSummary Summarize(const KeptString& string) {
  StringSummary summary;
  summary.id = string.id;
  summary.started = string.started;
  summary.name = string.name;
  summary.notes = string.notes;
  // The shot table's own running figures, shifted by the first value, so that the history shows
  // the same deviation the table showed.
  RunningFigures velocities;
  for (const KeptShot& shot : string.shots) {
    if (shot.counted()) velocities.Add(shot.velocity);
  }
  const Figures figures = velocities.Get();
  summary.shots = static_cast<std::int32_t>(figures.count);
  if (figures.count > 0) {
    summary.average = figures.average;
    summary.extreme_spread = figures.extreme_spread;
  }
  if (figures.count > 1) summary.standard_deviation = figures.standard_deviation;
  return summary;
}

}  // namespace tarvik
