#include "app/console_report.h"

#include "measure/units.h"
#include "res/main_window_ids.h"

namespace tarvik {

std::string ShotReportLine(const DialogView& main_window, bool metric) {
  const std::string velocity_unit = VelocityUnitLabel(metric);
  const std::string energy_unit = EnergyUnitLabel(metric);
  return "Shot " + main_window.GetItemText(ids::kLastVelocity) + " " + velocity_unit + " " +
         main_window.GetItemText(ids::kLastEnergy) + " " + energy_unit + "  Mk " +
         main_window.GetItemText(ids::kMark) + "  count " + main_window.GetItemText(ids::kCounts) +
         "  |  shots " + main_window.GetItemText(ids::kShotCount) + "  average " +
         main_window.GetItemText(ids::kAverageVelocity) + " " + velocity_unit + " " +
         main_window.GetItemText(ids::kAverageEnergy) + " " + energy_unit;
}

}  // namespace tarvik
