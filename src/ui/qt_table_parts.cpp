#include "ui/qt_table_parts.h"

#include <QBrush>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGridLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cerrno>

#include "ui/qt_canvas.h"
#include "ui/qt_text.h"

namespace tarvik::ui {

QtTableModel::QtTableModel(TableWindowEvents& events, std::vector<TableColumn> columns,
                           QObject* parent)
    : QAbstractTableModel(parent),
      events_(&events),
      columns_(std::move(columns)),
      rows_(std::max(0, events.RowCount())) {}

void QtTableModel::RowsChanged(int first) {
  if (events_ == nullptr) return;
  const int count = std::max(0, events_->RowCount());
  if (count > rows_) {
    beginInsertRows({}, rows_, count - 1);
    rows_ = count;
    endInsertRows();
  } else if (count < rows_) {
    beginRemoveRows({}, count, rows_ - 1);
    rows_ = count;
    endRemoveRows();
  }
  first = std::max(0, first);
  if (first < rows_ && !columns_.empty()) {
    emit dataChanged(index(first, 0), index(rows_ - 1, static_cast<int>(columns_.size()) - 1));
  }
}

int QtTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int QtTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant QtTableModel::Alignment(int column) const {
  const bool right = columns_[static_cast<std::size_t>(column)].right_aligned;
  return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
}

// A left-out row is grey whether or not it is over the limit: it no longer counts.
QVariant QtTableModel::data(const QModelIndex& index, int role) const {
  if (events_ == nullptr || !index.isValid() || index.row() >= rows_) return {};
  switch (role) {
    case Qt::DisplayRole:
      return FromUtf8(events_->CellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
      return Alignment(index.column());
    case Qt::ForegroundRole: {
      const RowLook look = events_->LookOfRow(index.row());
      if (look.dimmed) return QBrush(Qt::gray);
      if (look.alert) return QBrush(Qt::red);
      return {};
    }
    case Qt::FontRole: {
      if (!events_->LookOfRow(index.row()).dimmed) return {};
      QFont struck;  // only the strike-out is set: the rest comes from the view's font
      struck.setStrikeOut(true);
      return struck;
    }
    default:
      return {};
  }
}

void QtTableModel::RenameColumns(std::span<const std::string> headings) {
  for (std::size_t i = 0; i < headings.size() && i < columns_.size(); ++i) {
    columns_[i].heading = headings[i];
  }
  if (!columns_.empty()) {
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(columns_.size()) - 1);
  }
}

QVariant QtTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) {
    return FromUtf8(columns_[static_cast<std::size_t>(section)].heading);
  }
  if (role == Qt::TextAlignmentRole) return Alignment(section);
  return {};
}

QtRowTable::QtRowTable(std::function<void(TableKey)> key, std::function<void(int)> activate,
                       QWidget* parent)
    : QTableView(parent), key_(std::move(key)), activate_(std::move(activate)) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setContextMenuPolicy(Qt::CustomContextMenu);
  verticalHeader()->hide();
  // Every row as high as the others: the view places any row without asking for the rows above.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setHighlightSections(false);
}

void QtRowTable::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    switch (event->key()) {
      case Qt::Key_Delete:
        return key_(TableKey::kDelete);
      case Qt::Key_Insert:
        return key_(TableKey::kInsert);
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (currentIndex().isValid()) activate_(currentIndex().row());
        return;
      default:
        break;
    }
  }
  QTableView::keyPressEvent(event);
}

QtFiguresPanel::QtFiguresPanel(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setHorizontalSpacing(fontMetrics().averageCharWidth() * 2);
}

// The grid keeps its labels while its shape stays, so that a refresh only changes texts.
void QtFiguresPanel::SetFigures(const std::vector<std::vector<std::string>>& figures) {
  const bool same_shape =
      figures.size() == cells_.size() && std::equal(figures.begin(), figures.end(), cells_.begin(),
                                                    [](const auto& texts, const auto& labels) {
                                                      return texts.size() == labels.size();
                                                    });
  if (!same_shape) {
    for (const auto& row : cells_) qDeleteAll(row);
    cells_.assign(figures.size(), {});
    for (std::size_t row = 0; row < figures.size(); ++row) {
      for (std::size_t column = 0; column < figures[row].size(); ++column) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
        label->setMargin(2);  // a glyph's side bearing may reach past the text's advance
        grid_->addWidget(label, static_cast<int>(row), static_cast<int>(column));
        cells_[row].push_back(label);
      }
    }
  }
  for (std::size_t row = 0; row < figures.size(); ++row) {
    for (std::size_t column = 0; column < figures[row].size(); ++column) {
      cells_[row][column]->setText(FromUtf8(figures[row][column]));
    }
  }
}

QLabel* QtFiguresPanel::Cell(int row, int column) const {
  if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= cells_.size()) return nullptr;
  const auto& labels = cells_[static_cast<std::size_t>(row)];
  return static_cast<std::size_t>(column) < labels.size() ? labels[static_cast<std::size_t>(column)]
                                                          : nullptr;
}

QtChartWidget::QtChartWidget(TableWindowEvents& events, QWidget* parent)
    : QWidget(parent), events_(&events) {
  setAutoFillBackground(true);  // the window colour behind the drawing
  setMinimumSize(1, 1);
}

void QtChartWidget::paintEvent(QPaintEvent* /*event*/) {
  if (events_ == nullptr) return;
  QPainter painter(this);
  QtCanvas canvas(painter, size(), font());
  events_->PaintChart(canvas);
}

// On the background the widget has on the screen, in the widget's font.
void QtChartWidget::PaintOn(QPaintDevice& device, QSize size) {
  QPainter painter(&device);
  painter.fillRect(QRect(QPoint(0, 0), size), palette().color(backgroundRole()));
  if (events_ == nullptr) return;
  QtCanvas canvas(painter, size, font());
  events_->PaintChart(canvas);
}

// The file is opened here rather than by the writers, so that a failure gives the system's text.
std::optional<PlatformError> QtChartWidget::Save(const QString& path, ChartFormat format) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    const int code = errno;
    return PlatformError{code, ToUtf8(file.errorString())};
  }
  bool encoded = true;
  switch (format) {
    case ChartFormat::kPng:
      encoded = WriteImage(file);
      break;
    case ChartFormat::kPdf:
      encoded = WritePdf(file);
      break;
    case ChartFormat::kSvg:
      WriteSvg(file);
      break;
  }
  if (encoded && file.flush() && file.error() == QFileDevice::NoError) return std::nullopt;
  const int code = errno;
  return PlatformError{code, ToUtf8(file.errorString())};
}

// At the screen's resolution, so that the texts keep the size they have on the screen.
bool QtChartWidget::WriteImage(QIODevice& file) {
  const QSize size = SavedSize();
  QImage image(size, QImage::Format_RGB32);
  const int dots_per_meter = qRound(logicalDpiX() / 0.0254);
  image.setDotsPerMeterX(dots_per_meter);
  image.setDotsPerMeterY(dots_per_meter);
  PaintOn(image, size);
  return image.save(&file, "PNG");
}

// One page as large as the chart, without margins; a pixel of the screen is a pixel of the page.
bool QtChartWidget::WritePdf(QIODevice& file) {
  const QSize size = SavedSize();
  const int dpi = logicalDpiX();
  QPdfWriter writer(&file);
  writer.setResolution(dpi);
  const QSizeF points(size.width() * 72.0 / dpi, size.height() * 72.0 / dpi);
  const QPageSize page(points, QPageSize::Point, QString(), QPageSize::ExactMatch);
  if (!writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()))) return false;
  PaintOn(writer, size);
  return true;
}

void QtChartWidget::WriteSvg(QIODevice& file) {
  const QSize size = SavedSize();
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(logicalDpiX());
  PaintOn(svg, size);
}

void QtChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && events_ != nullptr) {
    const QPoint at = event->position().toPoint();
    return events_->ChartClicked(at.x(), at.y());
  }
  QWidget::mousePressEvent(event);
}

}  // namespace tarvik::ui
