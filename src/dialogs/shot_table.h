// The shot table: every shot of the series in a row, newest at the bottom and kept in view, the
// figures of the counted shots under it and their chart. Selected shots are left out of every
// average and figure, or taken in again; a left-out shot stays in the table. It opens at the frame
// the settings store remembers and stores it as it closes, like the painted windows.
//
// Its running figures cost the same for every appended shot; anything else that changes the
// series (a shot left out or taken in, Undo, Reset, a loaded log) or the settings it shows (the
// weight, the units, the limit) rebuilds them in one pass.
#ifndef TARVIK_DIALOGS_SHOT_TABLE_H_
#define TARVIK_DIALOGS_SHOT_TABLE_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/help_viewer.h"
#include "dialogs/app_state.h"
#include "dialogs/shot_chart.h"
#include "dialogs/window_factory.h"
#include "measure/shot_figures.h"
#include "settings/settings_store.h"

namespace tarvik {

// Told which rows of the series the user left out or took in.
using LeftOutListener = std::function<void(std::span<const std::int32_t> rows, bool left_out)>;

class ShotTable final : public TableWindowEvents {
 public:
  enum Column { kShot, kTime, kVelocity, kEnergy, kCount, kMark, kLimit, kColumns };
  // The window's commands: its two buttons, their context menu items and keys.
  enum Command { kLeaveOut = 1, kTakeIn = 2 };

  // `counting_changed` is told when the user left shots out or took them in, for the averages
  // and the windows that follow the series.
  ShotTable(WindowFactory& windows, SettingsStore& store, HelpViewer& help, AppState& state,
            LeftOutListener counting_changed);
  ~ShotTable() override;
  ShotTable(const ShotTable&) = delete;
  ShotTable& operator=(const ShotTable&) = delete;

  bool IsOpen() const { return window_ != nullptr; }
  // Opens the table at its stored frame, or closes it when it is open.
  void Toggle();
  // Stores the frame and destroys the window, when it is open.
  void Close();
  // A shot was added at the end of the series.
  void ShotAppended();
  // The series changed otherwise, or the weight, the units, the limit or the language did.
  void Refresh();

  // TableWindowEvents.
  int RowCount() const override;
  std::string CellText(int row, int column) const override;
  RowLook LookOfRow(int row) const override;
  std::vector<std::vector<std::string>> Figures() const override;
  void PaintChart(Canvas& canvas) override;
  void ChartClicked(int x, int y) override;
  void SelectionChanged() override;
  void Command(int command) override;
  void HelpRequested(TablePart part, int command, HelpGesture gesture) override;
  void CloseRequested() override { Close(); }

 private:
  TableWindowTexts WindowTexts() const;
  // Takes the units of the settings when they changed (Apply in Set up, whose loop the timer's
  // shots reach): the headings, the cells, the figures and the chart change together. Whether
  // they did.
  bool FollowUnits();
  // What the chart draws: every shot in the units in use, and the counted shots' figures.
  ChartInput MakeChartInput() const;
  void AddToChart(const ShotRow& shot);
  void RebuildFigures();
  // The buttons allow what the selection allows, and the chart marks its first row.
  void FollowSelection();
  double EnergyOf(const ShotRow& shot) const;

  WindowFactory& windows_;
  SettingsStore& store_;
  HelpViewer& help_;
  AppState& state_;
  LeftOutListener counting_changed_;
  std::unique_ptr<TableWindow> window_;
  ShotFigures figures_;
  // The chart's input, kept beside the series so that a paint does not gather it anew.
  std::vector<double> chart_velocities_;
  std::vector<std::uint8_t> chart_left_out_;
  bool metric_ = false;  // the units the window shows
  std::optional<int> selected_;
  std::optional<ChartPlot> chart_plot_;  // where the last paint put the shots, for clicks
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_SHOT_TABLE_H_
