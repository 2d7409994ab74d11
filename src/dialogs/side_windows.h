// The windows beside the main window, each open at most once and toggled by its menu command:
// the statistics window, the big display and the graph. They have no data of their own: the main
// window tells them when the series or the settings change, and they close with it.
#ifndef TARVIK_DIALOGS_SIDE_WINDOWS_H_
#define TARVIK_DIALOGS_SIDE_WINDOWS_H_

#include <memory>

#include "dialogs/advanced_statistics.h"
#include "dialogs/app_state.h"
#include "dialogs/big_display.h"
#include "dialogs/graph_window.h"
#include "dialogs/window_factory.h"
#include "settings/settings_store.h"

namespace tarvik {

class SideWindows {
 public:
  SideWindows(WindowFactory& windows, SettingsStore& store, AppState& state);
  SideWindows(const SideWindows&) = delete;
  SideWindows& operator=(const SideWindows&) = delete;

  // Opens the statistics window, computed at once, and gives the focus back to the main window;
  // or closes it.
  void ToggleStatistics();
  void ToggleBigDisplay() { big_display_.Toggle(); }
  void ToggleGraph() { graph_.Toggle(); }

  // After every change of the series: the statistics recompute, the graph repaints.
  void SeriesChanged();
  // After a shot and after Set up.
  void RepaintBigDisplay() { big_display_.Invalidate(); }
  // After Set up, whose units the statistics' titles follow.
  void RelabelStatistics();
  // As the main window goes; the big display and the graph store their frames as they close.
  void CloseAll();

 private:
  WindowFactory& windows_;
  AppState& state_;
  std::unique_ptr<ModelessWindow> statistics_window_;
  AdvancedStatistics* statistics_ = nullptr;  // its logic, while it is open
  BigDisplay big_display_;
  GraphWindow graph_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_SIDE_WINDOWS_H_
