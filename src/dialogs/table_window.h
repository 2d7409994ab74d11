// A window of rows with figures under them, a chart the core paints and a row of commands: the
// shot table, the history, a kept string. The core describes every row, text and colour; the
// platform lays the parts out, lets the user resize the window, and keeps the table's rows virtual:
// it asks for the rows it shows, so a table of any length opens at once and a new row costs the
// same at any length.
#ifndef TARVIK_DIALOGS_TABLE_WINDOW_H_
#define TARVIK_DIALOGS_TABLE_WINDOW_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/canvas.h"
#include "base/dialog_view.h"
#include "base/platform_error.h"
#include "settings/app_settings.h"

namespace tarvik {

struct TableColumn {
  std::string heading;
  bool right_aligned = false;
  // The column's starting width: as wide as this many average characters of the window's font.
  int width_in_characters = 8;
};

// A key of the table that runs a command, as its button would.
enum class TableKey { kNone, kDelete, kInsert };

// A command of the window: a button under the table and, when `in_context_menu`, an item of the
// table's context menu; the logic tells the commands apart by `id`.
struct TableButton {
  int id = 0;
  std::string text;  // with its "&" letter
  TableKey key = TableKey::kNone;
  bool in_context_menu = true;
};

// The parts of the window that have a help topic of their own, for F1 and a right click; a
// button's help names its command.
enum class TablePart { kTable, kFigures, kChart, kButton };

// The formats the chart can be saved in: PNG on every front, PDF and SVG where the front can.
enum class ChartFormat { kPng, kPdf, kSvg };

struct TableWindowTexts {
  std::string caption;
  std::vector<TableColumn> columns;
  std::vector<TableButton> buttons;  // left to right
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
  // A button, its context menu item or its key; only while the command is enabled.
  virtual void Command(int command) = 0;
  // A double click on a row, or Enter in the table.
  virtual void RowActivated(int /*row*/) {}
  // `command` is the button's id for TablePart::kButton, 0 otherwise.
  virtual void HelpRequested(TablePart /*part*/, int /*command*/, HelpGesture /*gesture*/) {}
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
  virtual void EnableCommand(int command, bool enabled) = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  // Whether SaveChart can write the format here.
  virtual bool CanSaveChart(ChartFormat format) const = 0;
  // Paints the chart as PaintChart paints it, at the chart's size on the screen, into a file of
  // the format at `path`; the system's error when the file could not be written.
  virtual std::optional<PlatformError> SaveChart(const std::string& path, ChartFormat format) = 0;
  // The window's frame on the screen: its top left corner and its outer width and height.
  virtual WindowPlacement Frame() const = 0;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_TABLE_WINDOW_H_
