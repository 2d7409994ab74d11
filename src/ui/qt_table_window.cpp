#include "ui/qt_table_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "res/dialog_template.h"
#include "ui/dialog_font.h"
#include "ui/qt_text.h"

namespace tarvik::ui {
namespace {

constexpr int kFontPoints = 8;  // the size of the other windows' texts

// The average letter width of the font, as the dialogs measure it.
int AverageLetterWidth(const QFontMetrics& metrics) {
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return BaseUnitsFromFont(letters, metrics.height()).x;
}

}  // namespace

// A dialog to the window system: owned by the window that opened it, kept above it and out of
// the task bar, as an owned window is on Windows; with a caption, a close and a help button.
QtTableWidget::QtTableWidget(const TableWindowTexts& texts, TableWindowEvents& events,
                             QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowContextHelpButtonHint),
      events_(&events),
      placer_(new FramePlacer(*this)) {
  for (const TableButton& button : texts.buttons) commands_.push_back({button});
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(FromUtf8(texts.caption));
  setFont(DialogFont(kFontPoints));

  MakeTable(events, texts.columns);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(table_);
  splitter->addWidget(MakeLowerPart());
  splitter->setSizes({3, 2});  // the table three fifths of the height at first, the rest two
  auto* layout = new QVBoxLayout(this);
  // The window keeps the frame it is given, however small: the parts are cut, not the frame; only
  // its buttons stay whole side by side.
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  layout->addWidget(splitter);
  const QMargins margins = layout->contentsMargins();
  setMinimumWidth(splitter->widget(1)->minimumSizeHint().width() + margins.left() +
                  margins.right());

  ListenForHelpOnParts();
  FiguresChanged();
  table_->setFocus();
}

void QtTableWidget::MakeTable(TableWindowEvents& events, const std::vector<TableColumn>& columns) {
  table_ = new QtRowTable([this](TableKey key) { RunKey(key); },
                          [this](int row) { ActivateRow(row); }, this);
  model_ = new QtTableModel(events, columns, table_);
  table_->setModel(model_);
  SetColumnWidths(columns);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { UserChangedSelection(); });
  connect(table_, &QWidget::customContextMenuRequested, this, [this](QPoint at) { ShowMenu(at); });
  connect(table_, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { ActivateRow(index.row()); });
}

void QtTableWidget::ListenForHelpOnParts() {
  ListenForHelp(table_, TablePart::kTable);
  ListenForHelp(table_->viewport(), TablePart::kTable);
  ListenForHelp(figures_, TablePart::kFigures);
  ListenForHelp(chart_, TablePart::kChart);
  for (const Command& command : commands_) {
    ListenForHelp(command.widget, TablePart::kButton, command.button.id);
  }
}

// The figures with the buttons under them, and the chart beside them taking the rest.
QWidget* QtTableWidget::MakeLowerPart() {
  auto* lower = new QWidget(this);
  figures_ = new QtFiguresPanel(lower);
  chart_ = new QtChartWidget(*events_, lower);
  auto* left = new QVBoxLayout;
  left->addWidget(figures_);
  left->addLayout(MakeButtons(lower));
  left->addStretch();
  auto* row = new QHBoxLayout(lower);
  row->setContentsMargins(0, 0, 0, 0);
  row->addLayout(left);
  row->addWidget(chart_, 1);
  return lower;
}

QLayout* QtTableWidget::MakeButtons(QWidget* parent) {
  auto* buttons = new QHBoxLayout;
  for (Command& command : commands_) {
    auto* button = new QPushButton(FromUtf8(command.button.text), parent);
    button->setAutoDefault(false);
    const int id = command.button.id;
    connect(button, &QPushButton::clicked, this, [this, id] { SendCommand(id); });
    buttons->addWidget(button);
    command.widget = button;
  }
  buttons->addStretch();
  return buttons;
}

void QtTableWidget::SetColumnWidths(const std::vector<TableColumn>& columns) {
  const int letter = AverageLetterWidth(table_->fontMetrics());
  QHeaderView* header = table_->horizontalHeader();
  for (std::size_t column = 0; column < columns.size(); ++column) {
    const int index = static_cast<int>(column);
    // Never narrower than the heading itself needs.
    header->resizeSection(index, std::max(columns[column].width_in_characters * letter,
                                          header->sectionSizeHint(index)));
  }
}

void QtTableWidget::ListenForHelp(QWidget* part, TablePart id, int command) {
  parts_[part] = {id, command};
  part->installEventFilter(this);
}

void QtTableWidget::Detach() {
  events_ = nullptr;
  model_->Detach();
  chart_->Detach();
}

void QtTableWidget::Place(const QRect& frame, std::shared_ptr<QMargins> learned) {
  placer_->Place(frame, std::move(learned), {.system_menu = true, .sizing_frame = true});
}

// Rows taken away at the end take their selection with them; that is not the user's change.
void QtTableWidget::RenameColumns(std::span<const std::string> headings) {
  model_->RenameColumns(headings);
}

void QtTableWidget::RowsChanged(int first) {
  selecting_ = true;
  model_->RowsChanged(first);
  selecting_ = false;
}

void QtTableWidget::ScrollToRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  // The view lays out rows just added only from the event loop; until then its scroll bar
  // would stop short of them.
  table_->doItemsLayout();
  table_->scrollTo(model_->index(row, 0));
}

std::vector<int> QtTableWidget::SelectedRows() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : table_->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void QtTableWidget::SelectRows(std::span<const int> rows) {
  const int count = model_->rowCount();
  std::vector<int> wanted;
  std::copy_if(rows.begin(), rows.end(), std::back_inserter(wanted),
               [count](int row) { return row >= 0 && row < count; });
  std::sort(wanted.begin(), wanted.end());
  wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
  QItemSelection selection;
  const int last_column = std::max(0, model_->columnCount() - 1);
  // Each run of neighbouring rows is one range.
  for (std::size_t start = 0; start < wanted.size();) {
    std::size_t end = start;
    while (end + 1 < wanted.size() && wanted[end + 1] == wanted[end] + 1) ++end;
    selection.select(model_->index(wanted[start], 0), model_->index(wanted[end], last_column));
    start = end + 1;
  }
  selecting_ = true;
  table_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  selecting_ = false;
}

void QtTableWidget::FiguresChanged() {
  if (events_ != nullptr) figures_->SetFigures(events_->Figures());
}

const QtTableWidget::Command* QtTableWidget::Find(int command) const {
  const auto found = std::find_if(commands_.begin(), commands_.end(),
                                  [command](const Command& c) { return c.button.id == command; });
  return found != commands_.end() ? &*found : nullptr;
}

QPushButton* QtTableWidget::button(int command) const {
  const Command* found = Find(command);
  return found != nullptr ? found->widget : nullptr;
}

void QtTableWidget::EnableCommand(int command, bool enabled) {
  for (Command& each : commands_) {
    if (each.button.id != command) continue;
    each.enabled = enabled;
    each.widget->setEnabled(enabled);
  }
}

// A disabled command is not sent, whether from its button, its menu item or its key.
void QtTableWidget::SendCommand(int command) {
  const Command* found = Find(command);
  if (events_ != nullptr && found != nullptr && found->enabled) events_->Command(command);
}

// The first command with the key, as its button would.
void QtTableWidget::RunKey(TableKey key) {
  const auto found = std::find_if(commands_.begin(), commands_.end(),
                                  [key](const Command& c) { return c.button.key == key; });
  if (key != TableKey::kNone && found != commands_.end()) SendCommand(found->button.id);
}

void QtTableWidget::ActivateRow(int row) {
  if (events_ != nullptr && row >= 0 && row < model_->rowCount()) events_->RowActivated(row);
}

void QtTableWidget::ShowMenu(QPoint at) {
  QMenu menu;  // not a child: the window may go while the menu is up
  std::map<const QAction*, int> actions;
  for (const Command& command : commands_) {
    if (!command.button.in_context_menu) continue;
    QAction* action = menu.addAction(FromUtf8(command.button.text));
    action->setEnabled(command.enabled);
    actions[action] = command.button.id;
  }
  if (actions.empty()) return;
  const QPointer<QtTableWidget> alive(this);
  const QAction* chosen = menu.exec(table_->viewport()->mapToGlobal(at));
  if (alive == nullptr || chosen == nullptr) return;
  if (const auto found = actions.find(chosen); found != actions.end()) SendCommand(found->second);
}

void QtTableWidget::UserChangedSelection() {
  if (!selecting_ && events_ != nullptr) events_->SelectionChanged();
}

// Only the logic destroys the window; the request goes to it.
void QtTableWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (events_ != nullptr) events_->CloseRequested();
}

void QtTableWidget::keyPressEvent(QKeyEvent* event) {
  if (events_ == nullptr) return QWidget::keyPressEvent(event);
  if (event->key() == Qt::Key_Escape) return events_->CloseRequested();
  if (event->key() != Qt::Key_F1) return QWidget::keyPressEvent(event);
  Part part = {TablePart::kTable, 0};
  for (QWidget* focus = focusWidget(); focus != nullptr; focus = focus->parentWidget()) {
    if (const auto found = parts_.find(focus); found != parts_.end()) {
      part = found->second;
      break;
    }
  }
  events_->HelpRequested(part.first, part.second, HelpGesture::kHelpRequest);
}

bool QtTableWidget::eventFilter(QObject* watched, QEvent* event) {
  const auto found = parts_.find(watched);
  if (found == parts_.end() || events_ == nullptr) return QWidget::eventFilter(watched, event);
  const auto [part, command] = found->second;
  switch (event->type()) {
    case QEvent::WhatsThis:
      events_->HelpRequested(part, command, HelpGesture::kHelpRequest);
      return true;
    case QEvent::ContextMenu:
      if (part == TablePart::kTable) return false;  // the table's own menu of commands
      events_->HelpRequested(part, command, HelpGesture::kContextMenu);
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

QtTableWindow::QtTableWindow(const TableWindowTexts& texts, const WindowPlacement& frame,
                             TableWindowEvents& events, QWidget* owner,
                             std::shared_ptr<QMargins> frame_margins)
    : widget_(new QtTableWidget(texts, events, owner)) {
  widget_->Place(QRect(frame.x, frame.y, std::max(1, frame.width), std::max(1, frame.height)),
                 std::move(frame_margins));
}

QtTableWindow::~QtTableWindow() {
  if (widget_ == nullptr) return;
  widget_->Detach();
  widget_->hide();
  widget_->deleteLater();
}

void QtTableWindow::RowsChanged(int first) {
  if (widget_ != nullptr) widget_->RowsChanged(first);
}

void QtTableWindow::RenameColumns(std::span<const std::string> headings) {
  if (widget_ != nullptr) widget_->RenameColumns(headings);
}

void QtTableWindow::ScrollToRow(int row) {
  if (widget_ != nullptr) widget_->ScrollToRow(row);
}

std::vector<int> QtTableWindow::SelectedRows() const {
  return widget_ != nullptr ? widget_->SelectedRows() : std::vector<int>();
}

void QtTableWindow::SelectRows(std::span<const int> rows) {
  if (widget_ != nullptr) widget_->SelectRows(rows);
}

void QtTableWindow::FiguresChanged() {
  if (widget_ != nullptr) widget_->FiguresChanged();
}

void QtTableWindow::ChartChanged() {
  if (widget_ != nullptr) widget_->chart()->update();
}

void QtTableWindow::EnableCommand(int command, bool enabled) {
  if (widget_ != nullptr) widget_->EnableCommand(command, enabled);
}

void QtTableWindow::SetCaption(std::string_view caption) {
  if (widget_ != nullptr) widget_->setWindowTitle(FromUtf8(caption));
}

bool QtTableWindow::CanSaveChart(ChartFormat /*format*/) const { return true; }

std::optional<PlatformError> QtTableWindow::SaveChart(const std::string& path, ChartFormat format) {
  if (widget_ == nullptr) return PlatformError{0, "The window is closed."};
  return widget_->chart()->Save(FromUtf8(path), format);
}

WindowPlacement QtTableWindow::Frame() const {
  if (widget_ == nullptr) return {};
  const QRect frame = widget_->Frame();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

}  // namespace tarvik::ui
