// A window of rows with figures under them, a chart the core paints and two commands: the shot
// table. The core describes every row, text and colour; the platform lays the parts out, lets the
// user resize the window, and keeps the table's rows virtual: it asks for the rows it shows, so a
// table of any length opens at once and a new row costs the same at any length.
#ifndef TARVIK_DIALOGS_TABLE_WINDOW_H_
#define TARVIK_DIALOGS_TABLE_WINDOW_H_

#include <span>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/dialog_view.h"
#include "settings/app_settings.h"

namespace tarvik {

struct TableColumn {
  std::string heading;
  bool right_aligned = false;
  // The column's starting width: as wide as this many average characters of the window's font.
  int width_in_characters = 8;
};

// The commands of the window: its two buttons, the two items of the table's context menu, and
// the keys Delete (leave out) and Insert (take in) in the table.
enum class TableCommand { kLeaveOut, kTakeIn };

// The parts of the window that have a help topic of their own, for F1 and a right click.
enum class TablePart { kTable, kFigures, kChart, kLeaveOut, kTakeIn };

struct TableWindowTexts {
  std::string caption;
  std::vector<TableColumn> columns;
  std::string leave_out;  // the button and the context menu item, with its "&" letter
  std::string take_in;
};

// How a row is drawn.
struct RowLook {
  bool dimmed = false;  // grey and struck through: the shot is left out
  bool alert = false;   // in the alert colour (red): the shot is above the legal limit
  friend bool operator==(const RowLook&, const RowLook&) = default;
};

// What the platform asks of the window's logic and tells it.
class TableWindowEvents {
 public:
  virtual ~TableWindowEvents() = default;

  virtual int RowCount() const = 0;
  virtual std::string CellText(int row, int column) const = 0;
  virtual RowLook LookOfRow(int row) const = 0;
  // The figures under the table, row by row: the first row holds the headings, the first text
  // of each row its title. Every row has as many texts as the first.
  virtual std::vector<std::vector<std::string>> Figures() const = 0;

  // The chart's whole area is to be painted.
  virtual void PaintChart(Canvas& canvas) = 0;
  // A left click at a point of the chart's area.
  virtual void ChartClicked(int /*x*/, int /*y*/) {}
  // The user changed the table's selection (the program's own SelectRows does not count).
  virtual void SelectionChanged() {}
  virtual void Command(TableCommand command) = 0;
  virtual void HelpRequested(TablePart /*part*/, HelpGesture /*gesture*/) {}
  // The caption's close button, the system menu's Close, Alt+F4 or Escape.
  virtual void CloseRequested() = 0;
};

// An open table window. Letting go of it destroys the window.
class TableWindow {
 public:
  virtual ~TableWindow() = default;
  // Rows from `first` on have changed, and rows may have been added at the end or taken away:
  // the platform asks for the row count again and draws those rows anew.
  virtual void RowsChanged(int first) = 0;
  // New headings for the columns, in order (the units changed); widths stay as the user left them.
  virtual void RenameColumns(std::span<const std::string> headings) = 0;
  // Scrolls the table so that the row is in view.
  virtual void ScrollToRow(int row) = 0;
  // The selected rows, in ascending order.
  virtual std::vector<int> SelectedRows() const = 0;
  // Selects exactly these rows; raises no SelectionChanged.
  virtual void SelectRows(std::span<const int> rows) = 0;
  // The figures are asked for again.
  virtual void FiguresChanged() = 0;
  // The chart is painted again soon, from the event loop.
  virtual void ChartChanged() = 0;
  virtual void EnableCommand(TableCommand command, bool enabled) = 0;
  // The window's frame on the screen: its top left corner and its outer width and height.
  virtual WindowPlacement Frame() const = 0;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_TABLE_WINDOW_H_
