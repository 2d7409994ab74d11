// The history window: every kept string in a row, newest first, with its start, name, counted
// shots, average, extreme spread, standard deviation and the first line of its notes. Under the
// list stand the figures of the selected strings (one column each, up to four compared) and
// their chart overlaid. Its commands open a string in a window of its own, name and annotate it,
// delete strings (asked first; their files are moved aside), export them to a CSV file (all of
// them when none is selected) and save the chart. It opens at the frame the settings store
// remembers and stores it as it closes, like the shot table.
#ifndef TARVIK_DIALOGS_HISTORY_WINDOW_H_
#define TARVIK_DIALOGS_HISTORY_WINDOW_H_

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "dialogs/app_state.h"
#include "dialogs/compare_chart.h"
#include "dialogs/history_commands.h"
#include "dialogs/kept_string_window.h"
#include "history/history_store.h"

namespace tarvik {

class HistoryWindow final : public TableWindowEvents {
 public:
  enum Column { kStarted, kName, kShots, kAverage, kSpread, kDeviation, kNotes, kColumns };
  enum Command { kOpen = 1, kRename = 2, kDelete = 3, kExport = 4, kSaveChart = 5 };

  HistoryWindow(const HistoryServices& services, AppState& state);
  ~HistoryWindow() override;
  HistoryWindow(const HistoryWindow&) = delete;
  HistoryWindow& operator=(const HistoryWindow&) = delete;

  bool IsOpen() const { return window_ != nullptr; }
  // Opens the window at its stored frame, or closes it when it is open.
  void Toggle();
  // Stores the frame and destroys the window, when it is open; the strings' windows stay.
  void Close();
  // Writes the summary cache the last listing left to write, once the list is shown: from a
  // quiet tick.
  void SaveIndex() { store_.SaveIndex(); }
  // Lists the strings again, keeping the selected ones selected; the units may have changed.
  void StringsChanged();
  // Shows these strings again as their files now hold them (the one being recorded), the
  // others as they were listed.
  void StringsChanged(std::span<const std::string> ids);
  // Told of each string the user deleted, so that the string being recorded can be closed.
  void set_string_deleted(std::function<void(const std::string& id)> deleted) {
    string_deleted_ = std::move(deleted);
  }

  // TableWindowEvents.
  int RowCount() const override { return static_cast<int>(strings_.size()); }
  std::string CellText(int row, int column) const override;
  RowLook LookOfRow(int /*row*/) const override { return {}; }
  std::vector<std::vector<std::string>> Figures() const override { return figures_; }
  void PaintChart(Canvas& canvas) override;
  void SelectionChanged() override;
  void Command(int command) override;
  void RowActivated(int row) override;
  void HelpRequested(TablePart part, int command, HelpGesture gesture) override;
  void CloseRequested() override { Close(); }

 private:
  TableWindowTexts WindowTexts() const;
  std::vector<std::string> SelectedIds() const;
  // Shows the list as it now stands when it `changed` or the units did, keeping the `selected`
  // strings selected.
  void ShowList(const std::vector<std::string>& selected, bool changed);
  // Loads the selected strings for the figures and the chart, and enables the commands.
  void FollowSelection();
  void OpenStrings(const std::vector<std::string>& ids);
  void RenameSelected();
  void DeleteSelected();
  // Forgets the strings' windows that the user closed.
  void DropClosedWindows();
  std::string Caption() const;

  HistoryServices services_;
  AppState& state_;
  HistoryStore store_;
  std::unique_ptr<TableWindow> window_;
  std::function<void(const std::string& id)> string_deleted_;
  std::vector<StringSummary> strings_;  // as listed, newest first
  std::vector<KeptString> compared_;    // the first selected strings, loaded
  int selected_count_ = 0;
  std::vector<std::vector<std::string>> figures_;
  std::vector<ChartSeries> chart_;
  std::vector<std::unique_ptr<KeptStringWindow>> string_windows_;
  bool metric_ = false;  // the units the window shows
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HISTORY_WINDOW_H_
