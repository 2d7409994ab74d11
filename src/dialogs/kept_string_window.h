// A kept string's window, opened from the history: its shots in rows as the shot table shows
// them, with a column saying which were left out, undone or loaded (those that do not count are
// dimmed), the figures of its counted shots and their chart. It changes no shot; its commands
// name and annotate the string, export it to a CSV file and save the chart.
#ifndef TARVIK_DIALOGS_KEPT_STRING_WINDOW_H_
#define TARVIK_DIALOGS_KEPT_STRING_WINDOW_H_

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/app_state.h"
#include "dialogs/history_commands.h"
#include "dialogs/shot_chart.h"
#include "history/history_store.h"
#include "measure/shot_figures.h"

namespace tarvik {

class KeptStringWindow final : public TableWindowEvents {
 public:
  enum Column { kShot, kTime, kVelocity, kEnergy, kCount, kMark, kStatus, kColumns };
  enum Command { kRename = 1, kExport = 2, kSaveChart = 3 };

  // `renamed` is told when the user gave the string a new name or notes.
  KeptStringWindow(const HistoryServices& services, AppState& state, KeptString string,
                   std::function<void()> renamed);
  ~KeptStringWindow() override = default;
  KeptStringWindow(const KeptStringWindow&) = delete;
  KeptStringWindow& operator=(const KeptStringWindow&) = delete;

  // Shows the window at `frame`; false when it could not be made.
  bool Open(const WindowPlacement& frame);
  bool IsOpen() const { return window_ != nullptr; }
  void Close() { window_.reset(); }
  const std::string& id() const { return string_.id; }
  // The string was named elsewhere: the caption follows.
  void Renamed(const StringNaming& naming);

  // TableWindowEvents.
  int RowCount() const override { return static_cast<int>(string_.shots.size()); }
  std::string CellText(int row, int column) const override;
  RowLook LookOfRow(int row) const override;
  std::vector<std::vector<std::string>> Figures() const override;
  void PaintChart(Canvas& canvas) override;
  void ChartClicked(int x, int y) override;
  void Command(int command) override;
  void HelpRequested(TablePart part, int command, HelpGesture gesture) override;
  void CloseRequested() override { Close(); }

 private:
  TableWindowTexts WindowTexts() const;
  std::string Caption() const;
  ChartInput MakeChartInput() const;

  HistoryServices services_;
  AppState& state_;
  HistoryStore store_;
  KeptString string_;
  std::function<void()> renamed_;
  std::unique_ptr<TableWindow> window_;
  bool metric_ = false;
  ShotFigures figures_;
  std::vector<double> velocities_;         // every shot's, in display units, for the chart
  std::vector<std::uint8_t> not_counted_;  // non-zero for a shot left out or undone
  std::optional<ChartPlot> chart_plot_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_KEPT_STRING_WINDOW_H_
