// The parts of the shot table window on Qt Widgets: the rows' model, which asks the logic for the
// rows the view shows and nothing more; the view, whose Delete and Insert keys are the window's
// commands; the figures under it; and the chart the core paints.
#ifndef TARVIK_UI_QT_TABLE_PARTS_H_
#define TARVIK_UI_QT_TABLE_PARTS_H_

#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>
#include <functional>
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

// The view of the rows, whole rows selected, any number of them; Delete and Insert are commands.
class QtRowTable final : public QTableView {
 public:
  QtRowTable(std::function<void(TableCommand)> command, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(TableCommand)> command_;
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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TableWindowEvents* events_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_TABLE_PARTS_H_
