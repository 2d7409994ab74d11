// What a decoded shot tells the rest of the program beyond the main window and the series: the
// settings store, the big display, the shot log and the statistics window. Each subsystem fills
// in its call as it is built; until then PendingShotHooks stands in and does nothing.
#ifndef TARVIK_LINK_SHOT_HOOKS_H_
#define TARVIK_LINK_SHOT_HOOKS_H_

#include <string_view>

#include "measure/averages.h"

namespace tarvik {

class ShotHooks : public StatisticsNotifier {
 public:
  // Stores a text value in the user's settings; a failed write is ignored.
  virtual void WriteSettingText(std::string_view name, std::string_view text) = 0;
  // Repaints the big display from the last shot, when that window is open.
  virtual void InvalidateBigDisplay() = 0;
  // Appends the shot's line to the shot log when logging is on; a log that cannot be opened
  // is skipped.
  virtual void AppendLogLine(double velocity, double energy) = 0;
};

class PendingShotHooks final : public ShotHooks {
 public:
  void WriteSettingText(std::string_view, std::string_view) override {}
  void InvalidateBigDisplay() override {}
  void AppendLogLine(double, double) override {}
  void NotifyStatistics() override {}
};

}  // namespace tarvik

#endif  // TARVIK_LINK_SHOT_HOOKS_H_
