#include "dialogs/graph_window.h"

#include <vector>

#include "dialogs/graph_painter.h"
#include "measure/statistics.h"

namespace tarvik {

GraphWindow::GraphWindow(WindowFactory& windows, SettingsStore& store, AppState& state,
                         std::function<std::uint32_t()> last_n)
    : PlacedWindow(windows, store, setting::kGraphPlacement, state.settings.graph_window),
      state_(state),
      last_n_(std::move(last_n)) {}

void GraphWindow::Paint(Canvas& canvas) {
  canvas.SetTextColor(kBlack);
  DrawResizeHint(canvas, state_.language);
  const std::span<const double> shots =
      selected_only_ ? LastShots(state_.series, last_n_()) : state_.series.velocities();
  if (histogram_) {
    DrawHistogram(canvas, shots, canvas.ClientSize(), show_markers_);
  } else {
    DrawSequentialGraph(canvas, shots, canvas.ClientSize(), show_markers_);
  }
}

void GraphWindow::RightClick(int x, int y) {
  if (window() == nullptr) return;
  std::vector<int> ticked;
  auto tick = [&ticked](GraphCommand command, bool on) {
    if (on) ticked.push_back(static_cast<int>(command));
  };
  tick(GraphCommand::kSequential, !histogram_);
  tick(GraphCommand::kHistogram, histogram_);
  tick(GraphCommand::kSelectedOnly, selected_only_);
  tick(GraphCommand::kShowMarkers, show_markers_);
  const int chosen = window()->TrackPopupMenu(GraphicsMenuTemplate(), ticked, x, y);
  if (chosen != 0) OnCommand(static_cast<GraphCommand>(chosen));
}

void GraphWindow::OnCommand(GraphCommand command) {
  switch (command) {
    case GraphCommand::kSequential:
      histogram_ = false;
      break;
    case GraphCommand::kHistogram:
      histogram_ = true;
      break;
    case GraphCommand::kSelectedOnly:
      selected_only_ = !selected_only_;
      break;
    case GraphCommand::kShowMarkers:
      show_markers_ = !show_markers_;
      break;
    case GraphCommand::kClose:
      Close();
      return;
    default:  // the style and the colours are fixed
      return;
  }
  Invalidate();
}

}  // namespace tarvik
