#include "app/console_report.h"

#include "res/main_window_ids.h"

namespace tarvik {

std::string ShotReportLine(const DialogSurface& main_window) {
  auto text = [&](MainWindowId id) { return main_window.GetItemText(static_cast<int>(id)); };
  using Id = MainWindowId;
  return "Shot " + text(Id::kLastVelocity) + " " + text(Id::kLastVelocityUnit) + " " +
         text(Id::kLastEnergy) + " " + text(Id::kLastEnergyUnit) + "  Mk " + text(Id::kMark) +
         "  count " + text(Id::kCounts) + "  |  shots " + text(Id::kShotCount) + "  average " +
         text(Id::kAverageVelocity) + " " + text(Id::kAverageVelocityUnit) + " " +
         text(Id::kAverageEnergy) + " " + text(Id::kAverageEnergyUnit);
}

}  // namespace tarvik
