// The table window on Qt Widgets: a resizable window with a caption, owned by another, its rows
// in a table over the logic's model, the figures and the row of commands under it, and the chart
// beside them, the table and the rest parted by a splitter the user can drag. It hands its logic
// the commands (the buttons, the table's context menu, their keys in the table), the rows
// activated (a double click, Enter), the user's changes of the selection, clicks on the chart,
// requests for help (F1 on a part, a right click on any part but the table) and close requests
// (the caption, Alt+F4, Escape). Its frame is the outer one, the window manager's frame included
// (FramePlacer).
#ifndef TARVIK_UI_QT_TABLE_WINDOW_H_
#define TARVIK_UI_QT_TABLE_WINDOW_H_

#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/table_window.h"
#include "ui/qt_frame_placer.h"
#include "ui/qt_table_parts.h"

class QPushButton;

namespace tarvik::ui {

class QtTableWidget final : public QWidget {
 public:
  QtTableWidget(const TableWindowTexts& texts, TableWindowEvents& events, QWidget* owner);
  // The logic lets go of the window: no more events reach it.
  void Detach();
  void Place(const QRect& frame, std::shared_ptr<QMargins> learned);
  QRect Frame() const { return placer_->Frame(); }

  void RowsChanged(int first);
  void RenameColumns(std::span<const std::string> headings);
  void ScrollToRow(int row);
  std::vector<int> SelectedRows() const;
  void SelectRows(std::span<const int> rows);
  void FiguresChanged();
  void EnableCommand(int command, bool enabled);

  QtRowTable* table() const { return table_; }
  QtTableModel* model() const { return model_; }
  QtFiguresPanel* figures() const { return figures_; }
  QtChartWidget* chart() const { return chart_; }
  // The button of a command; null for an id the window does not have.
  QPushButton* button(int command) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A right click on the figures, the chart or a button, and a click after the caption's help
  // button on any part, ask for help.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A command as the window shows it.
  struct Command {
    TableButton button;
    QPushButton* widget = nullptr;
    bool enabled = true;
  };
  // A part with a help topic, and the command a button names.
  using Part = std::pair<TablePart, int>;

  void MakeTable(TableWindowEvents& events, const std::vector<TableColumn>& columns);
  QWidget* MakeLowerPart();
  QLayout* MakeButtons(QWidget* parent);
  void SetColumnWidths(const std::vector<TableColumn>& columns);
  void ListenForHelp(QWidget* part, TablePart id, int command = 0);
  void ListenForHelpOnParts();
  const Command* Find(int command) const;
  void SendCommand(int command);
  void RunKey(TableKey key);
  void ActivateRow(int row);
  void ShowMenu(QPoint at);
  void UserChangedSelection();

  TableWindowEvents* events_;
  FramePlacer* placer_;
  std::vector<Command> commands_;  // left to right
  bool selecting_ = false;         // the program changes the selection, not the user
  QtTableModel* model_ = nullptr;
  QtRowTable* table_ = nullptr;
  QtFiguresPanel* figures_ = nullptr;
  QtChartWidget* chart_ = nullptr;
  std::map<QObject*, Part> parts_;
};

// The logic's handle on the window. Letting go of it hides the window at once and deletes it
// from the event loop, so that the logic may let go from inside the window's own events.
class QtTableWindow final : public TableWindow {
 public:
  // `frame_margins` holds the window manager's frame as the last window learned it.
  QtTableWindow(const TableWindowTexts& texts, const WindowPlacement& frame,
                TableWindowEvents& events, QWidget* owner,
                std::shared_ptr<QMargins> frame_margins = std::make_shared<QMargins>());
  ~QtTableWindow() override;

  void RowsChanged(int first) override;
  void RenameColumns(std::span<const std::string> headings) override;
  void ScrollToRow(int row) override;
  std::vector<int> SelectedRows() const override;
  void SelectRows(std::span<const int> rows) override;
  void FiguresChanged() override;
  void ChartChanged() override;
  void EnableCommand(int command, bool enabled) override;
  void SetCaption(std::string_view caption) override;
  // PNG, PDF and SVG alike.
  bool CanSaveChart(ChartFormat format) const override;
  std::optional<PlatformError> SaveChart(const std::string& path, ChartFormat format) override;
  WindowPlacement Frame() const override;

  QtTableWidget* widget() const { return widget_; }

 private:
  QPointer<QtTableWidget> widget_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_TABLE_WINDOW_H_
