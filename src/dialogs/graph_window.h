// The graph window: the series' velocities as a sequential graph or a histogram, of all shots or
// of those the statistics window uses, with markers when asked. A right click opens its popup
// menu "Graphics". It follows the series: every change repaints it while it is open.
#ifndef TARVIK_DIALOGS_GRAPH_WINDOW_H_
#define TARVIK_DIALOGS_GRAPH_WINDOW_H_

#include <cstdint>
#include <functional>

#include "dialogs/app_state.h"
#include "dialogs/placed_window.h"
#include "res/graph_menu.h"

namespace tarvik {

class GraphWindow final : public PlacedWindow {
 public:
  // `last_n` gives the number of last shots the statistics use, 0 for all of them.
  GraphWindow(WindowFactory& windows, SettingsStore& store, AppState& state,
              std::function<std::uint32_t()> last_n);

  void Paint(Canvas& canvas) override;
  // Opens the popup with the choices in force ticked and carries out the one chosen.
  void RightClick(int x, int y) override;
  void OnCommand(GraphCommand command);

  // The choices hold while the program runs, across closing and reopening.
  bool histogram() const { return histogram_; }
  bool selected_only() const { return selected_only_; }
  bool show_markers() const { return show_markers_; }

 private:
  const AppState& state_;
  std::function<std::uint32_t()> last_n_;
  bool histogram_ = false;
  bool selected_only_ = false;
  bool show_markers_ = false;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_GRAPH_WINDOW_H_
