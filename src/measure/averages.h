// The main window's "Averages" group: number of shots, average velocity and the energy of the
// average velocity, recomputed from the whole series at every refresh.
#ifndef TARVIK_MEASURE_AVERAGES_H_
#define TARVIK_MEASURE_AVERAGES_H_

#include "base/dialog_view.h"
#include "measure/shot_series.h"

namespace tarvik {

// Told after every change of the series, so that the statistics window recomputes. Until that
// window exists, the program's notifier does nothing.
class StatisticsNotifier {
 public:
  virtual ~StatisticsNotifier() = default;
  virtual void NotifyStatistics() = 0;
};

// Fields 160, 170 and 180, and the menu items Reset and Undo (greyed while the series is empty).
void RefreshAverages(const ShotSeries& series, double weight, bool metric, DialogView& window);

// The "Reset" and "Undo" commands: change the series, refresh the averages, notify the
// statistics; the refresh and the notice run even when the series was already empty.
void ResetSeriesCommand(ShotSeries& series, double weight, bool metric, DialogView& window,
                        StatisticsNotifier& statistics);
void UndoLastShotCommand(ShotSeries& series, double weight, bool metric, DialogView& window,
                         StatisticsNotifier& statistics);

}  // namespace tarvik

#endif  // TARVIK_MEASURE_AVERAGES_H_
