// The windows beside the main window, each open at most once and toggled by its menu command:
// the statistics window, the big display, the graph and the shot table. They have no data of their
// own: the main window tells them when the series or the settings change, and they close with it.
#ifndef TARVIK_DIALOGS_SIDE_WINDOWS_H_
#define TARVIK_DIALOGS_SIDE_WINDOWS_H_

#include <memory>

#include "dialogs/advanced_statistics.h"
#include "dialogs/app_state.h"
#include "dialogs/big_display.h"
#include "dialogs/graph_window.h"
#include "dialogs/shot_table.h"
#include "dialogs/window_factory.h"
#include "settings/settings_store.h"

namespace tarvik {

class SideWindows {
 public:
  // `counting_changed` is told when the user left shots out of the series or took them in.
  SideWindows(WindowFactory& windows, SettingsStore& store, HelpViewer& help, AppState& state,
              LeftOutListener counting_changed);
  SideWindows(const SideWindows&) = delete;
  SideWindows& operator=(const SideWindows&) = delete;

  // Opens the statistics window, computed at once, and gives the focus back to the main window;
  // or closes it.
  void ToggleStatistics();
  void ToggleBigDisplay() { big_display_.Toggle(); }
  void ToggleGraph() { graph_.Toggle(); }
  void ToggleShotTable() { shot_table_.Toggle(); }

  // After a shot was added to the series: the statistics recompute, the graph repaints, the shot
  // table shows it.
  void ShotAppended();
  // After any other change of the series: the same, the shot table shown anew.
  void SeriesChanged();
  // After the shot table left shots out or took them in: the statistics and the graph.
  void CountingChanged();
  // After the weight changed: the energies in the shot table.
  void WeightChanged() { shot_table_.Refresh(); }
  // After a shot and after Set up.
  void RepaintBigDisplay() { big_display_.Invalidate(); }
  // After Set up, whose units the statistics' titles and the shot table's headings follow, and
  // whose limit the shot table marks.
  void Relabel();
  // As the main window goes; the big display and the graph store their frames as they close.
  void CloseAll();

 private:
  WindowFactory& windows_;
  AppState& state_;
  std::unique_ptr<ModelessWindow> statistics_window_;
  AdvancedStatistics* statistics_ = nullptr;  // its logic, while it is open
  BigDisplay big_display_;
  GraphWindow graph_;
  ShotTable shot_table_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_SIDE_WINDOWS_H_
