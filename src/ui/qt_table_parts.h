// The parts of the table window on Qt Widgets: the rows' model, which asks the logic for the rows
// the view shows and nothing more; the view, whose Delete and Insert keys may be the window's
// commands and whose Enter activates a row; the figures under it; and the chart the core paints,
// on the screen or into a file.
#ifndef TARVIK_UI_QT_TABLE_PARTS_H_
#define TARVIK_UI_QT_TABLE_PARTS_H_

#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dialogs/table_window.h"

class QGridLayout;
class QLabel;

namespace tarvik::ui {

// The rows as the logic describes them: the count as last heard, each cell's text, alignment,
// colour and font asked for when the view draws it.
class QtTableModel final : public QAbstractTableModel {
 public:
  QtTableModel(TableWindowEvents& events, std::vector<TableColumn> columns, QObject* parent);
  // The logic lets go of the window: no more questions reach it.
  void Detach() { events_ = nullptr; }
  // Takes the new row count, adding or removing rows at the end, and has rows from `first` on
  // drawn anew.
  void RowsChanged(int first);
  void RenameColumns(std::span<const std::string> headings);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant Alignment(int column) const;

  TableWindowEvents* events_;
  std::vector<TableColumn> columns_;
  int rows_;
};

// The view of the rows, whole rows selected, any number of them. Delete and Insert go to `key`,
// Enter and Return to `activate` with the current row.
class QtRowTable final : public QTableView {
 public:
  QtRowTable(std::function<void(TableKey)> key, std::function<void(int)> activate, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(TableKey)> key_;
  std::function<void(int)> activate_;
};

// The figures: a grid of texts, headings along the top, titles down the left, numbers right.
class QtFiguresPanel final : public QWidget {
 public:
  explicit QtFiguresPanel(QWidget* parent);
  void SetFigures(const std::vector<std::vector<std::string>>& figures);
  // The text at a row and column of the grid, or null.
  QLabel* Cell(int row, int column) const;

 private:
  QGridLayout* grid_;
  std::vector<std::vector<QLabel*>> cells_;
};

// The chart: painted by the logic over a QtCanvas; a left click is handed to it.
class QtChartWidget final : public QWidget {
 public:
  QtChartWidget(TableWindowEvents& events, QWidget* parent);
  void Detach() { events_ = nullptr; }
  // Paints the chart at its size on the screen, at least kSavedMinimum, into a file of the format;
  // the system's error when the file could not be written.
  std::optional<PlatformError> Save(const QString& path, ChartFormat format);
  static constexpr QSize kSavedMinimum{400, 300};
  QSize SavedSize() const { return size().expandedTo(kSavedMinimum); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void PaintOn(QPaintDevice& device, QSize size);
  bool WriteImage(QIODevice& file);
  bool WritePdf(QIODevice& file);
  void WriteSvg(QIODevice& file);

  TableWindowEvents* events_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_TABLE_PARTS_H_
