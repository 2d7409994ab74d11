#include "measure/averages.h"

#include "measure/units.h"
#include "res/main_window_ids.h"

namespace tarvik {

void RefreshAverages(const ShotSeries& series, double weight, bool metric, DialogView& window) {
  window.SetItemUnsigned(ids::kShotCount, static_cast<std::uint32_t>(series.count()));
  const bool has_shots = series.count() > 0;
  window.EnableMenuItem(ids::kCmdReset, has_shots);
  window.EnableMenuItem(ids::kCmdUndo, has_shots);
  if (!has_shots) {
    window.SetItemText(ids::kAverageVelocity, "");
    window.SetItemText(ids::kAverageEnergy, "");
    return;
  }
  double sum = 0.0;
  for (double v : series.velocities()) sum += v;
  const double mean = sum / series.count();
  window.SetItemText(ids::kAverageVelocity, MeasurementFieldText(VelocityForDisplay(mean, metric)));
  const double energy = FlooredShotEnergy(mean, weight);
  window.SetItemText(ids::kAverageEnergy, MeasurementFieldText(EnergyForDisplay(energy, metric)));
}

void ResetSeriesCommand(ShotSeries& series, double weight, bool metric, DialogView& window,
                        StatisticsNotifier& statistics) {
  series.ResetSeries();
  RefreshAverages(series, weight, metric, window);
  statistics.NotifyStatistics();
}

void UndoLastShotCommand(ShotSeries& series, double weight, bool metric, DialogView& window,
                         StatisticsNotifier& statistics) {
  series.UndoLastShot();
  RefreshAverages(series, weight, metric, window);
  statistics.NotifyStatistics();
}

}  // namespace tarvik
