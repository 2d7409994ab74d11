#include "dialogs/history_window.h"

#include <algorithm>
#include <utility>

#include "base/number_text.h"
#include "dialogs/history_figures.h"
#include "dialogs/history_help.h"
#include "measure/units.h"
#include "res/history_texts.h"
#include "res/shot_table_texts.h"
#include "settings/setting_table.h"

namespace tarvik {
namespace {

constexpr int kCascadeStep = 24;  // pixels between a string's window and the next

std::string FirstLine(std::string_view text) {
  return std::string(text.substr(0, text.find_first_of("\r\n")));
}

std::string VelocityText(const std::optional<double>& fps, bool metric) {
  return fps ? FormatFixed(VelocityForDisplay(*fps, metric), 2) : std::string();
}

}  // namespace

HistoryWindow::HistoryWindow(const HistoryServices& services, AppState& state)
    : services_(services), state_(state), store_(services.folder) {}

HistoryWindow::~HistoryWindow() { Close(); }

void HistoryWindow::Toggle() {
  if (IsOpen()) {
    Close();
    return;
  }
  metric_ = state_.settings.metric;
  strings_ = store_.List();
  ReadWindowPlacement(services_.store, setting::kHistoryPlacement, state_.settings.history);
  window_ = services_.windows.OpenTable(WindowTexts(), state_.settings.history, *this);
  if (IsOpen()) FollowSelection();
}

void HistoryWindow::Close() {
  SaveIndex();
  if (!IsOpen()) return;
  state_.settings.history = window_->Frame();
  WriteWindowPlacement(services_.store, setting::kHistoryPlacement, state_.settings.history);
  window_.reset();
}

void HistoryWindow::StringsChanged() {
  DropClosedWindows();
  if (!IsOpen()) return;
  const std::vector<std::string> selected = SelectedIds();
  std::vector<StringSummary> listed = store_.List();
  const bool changed = listed != strings_;
  if (changed) strings_ = std::move(listed);
  ShowList(selected, changed);
}

void HistoryWindow::StringsChanged(std::span<const std::string> ids) {
  DropClosedWindows();
  if (!IsOpen()) return;
  const std::vector<std::string> selected = SelectedIds();
  bool changed = false;
  for (const std::string& id : ids) {
    std::optional<StringSummary> summary = store_.Summary(id);
    const auto found = std::ranges::find(strings_, id, &StringSummary::id);
    if (found == strings_.end() ? !summary : summary && *found == *summary) continue;
    if (found != strings_.end()) strings_.erase(found);
    if (summary) {
      strings_.insert(std::ranges::upper_bound(strings_, *summary, ListedBefore),
                      std::move(*summary));
    }
    changed = true;
  }
  ShowList(selected, changed);
}

void HistoryWindow::ShowList(const std::vector<std::string>& selected, bool changed) {
  const bool units_changed = metric_ != state_.settings.metric;
  if (!changed && !units_changed) return;
  if (units_changed) {
    metric_ = state_.settings.metric;
    std::vector<std::string> headings;
    for (const TableColumn& column : WindowTexts().columns) headings.push_back(column.heading);
    window_->RenameColumns(headings);
  }
  std::vector<int> rows;
  for (int row = 0; row < RowCount(); ++row) {
    if (std::ranges::find(selected, strings_[row].id) != selected.end()) rows.push_back(row);
  }
  window_->RowsChanged(0);
  window_->SelectRows(rows);
  FollowSelection();
}

std::string HistoryWindow::CellText(int row, int column) const {
  if (row < 0 || row >= RowCount()) return {};
  const StringSummary& string = strings_[row];
  switch (column) {
    case kStarted:
      return StartedText(string.started);
    case kName:
      return ShownName(string.name, string.started, string.id);
    case kShots:
      return FormatInt(string.shots);
    case kAverage:
      return VelocityText(string.average, metric_);
    case kSpread:
      return VelocityText(string.extreme_spread, metric_);
    case kDeviation:
      return VelocityText(string.standard_deviation, metric_);
    case kNotes:
      return FirstLine(string.notes);
    default:
      return {};
  }
}

void HistoryWindow::PaintChart(Canvas& canvas) {
  const HistoryTexts& texts = HistoryTextsFor(state_.language);
  PaintCompareChart(canvas,
                    {chart_, VelocityUnitLabel(metric_), ShotTableTextsFor(state_.language).shot,
                     compared_.empty() ? texts.select_strings : texts.no_counted_shots});
}

std::vector<std::string> HistoryWindow::SelectedIds() const {
  std::vector<std::string> ids;
  if (!IsOpen()) return ids;
  for (const int row : window_->SelectedRows()) {
    if (row >= 0 && row < RowCount()) ids.push_back(strings_[row].id);
  }
  return ids;
}

void HistoryWindow::SelectionChanged() { FollowSelection(); }

void HistoryWindow::FollowSelection() {
  if (!IsOpen()) return;
  const std::vector<std::string> ids = SelectedIds();
  selected_count_ = static_cast<int>(ids.size());
  compared_.clear();
  chart_.clear();
  for (const std::string& id : ids) {
    if (static_cast<int>(compared_.size()) == kMostCompared) break;
    if (std::optional<KeptString> string = store_.Load(id)) {
      chart_.push_back(SeriesOf(*string, metric_));
      compared_.push_back(std::move(*string));
    }
  }
  figures_ = compared_.empty()
                 ? std::vector<std::vector<std::string>>()
                 : ComparisonFigures(compared_, selected_count_, metric_, state_.language);
  window_->EnableCommand(kOpen, selected_count_ > 0);
  window_->EnableCommand(kRename, selected_count_ == 1);
  window_->EnableCommand(kDelete, selected_count_ > 0);
  window_->EnableCommand(kExport, !strings_.empty());
  window_->EnableCommand(kSaveChart, !chart_.empty());
  window_->FiguresChanged();
  window_->ChartChanged();
}

void HistoryWindow::Command(int command) {
  if (!IsOpen()) return;
  switch (command) {
    case kOpen:
      OpenStrings(SelectedIds());
      break;
    case kRename:
      RenameSelected();
      break;
    case kDelete:
      DeleteSelected();
      break;
    case kExport:
      ExportStrings(services_, store_, SelectedIds(), state_.language, Caption());
      break;
    case kSaveChart:
      SaveChartAs(*window_, services_, state_.language, Caption());
      break;
    default:
      break;
  }
}

void HistoryWindow::RowActivated(int row) {
  if (row >= 0 && row < RowCount()) OpenStrings({strings_[row].id});
}

void HistoryWindow::OpenStrings(const std::vector<std::string>& ids) {
  DropClosedWindows();
  const HistoryTexts& texts = HistoryTextsFor(state_.language);
  for (const std::string& id : ids) {
    std::optional<KeptString> string = store_.Load(id);
    if (!string) {
      services_.messages.ShowMessage(
          FailureText(texts.read_failed, services_.folder.Path(), PlatformError{}), Caption());
      continue;
    }
    auto opened = std::make_unique<KeptStringWindow>(services_, state_, std::move(*string),
                                                     [this] { StringsChanged(); });
    const int step = kCascadeStep * static_cast<int>(string_windows_.size() + 1);
    WindowPlacement frame = IsOpen() ? window_->Frame() : state_.settings.history;
    frame.x += step;
    frame.y += step;
    if (opened->Open(frame)) string_windows_.push_back(std::move(opened));
  }
}

void HistoryWindow::RenameSelected() {
  const std::vector<std::string> ids = SelectedIds();
  if (ids.size() != 1) return;
  const auto found = std::ranges::find(strings_, ids.front(), &StringSummary::id);
  if (found == strings_.end()) return;
  // The dialog runs an event loop in which shots come and the list is made anew: what it needs
  // of the string is copied first.
  const StringNaming current{found->name, found->notes};
  const std::optional<StringNaming> naming =
      RenameString(services_, store_, ids.front(), current, state_.language, Caption());
  if (naming) {
    for (const auto& opened : string_windows_) {
      if (opened->id() == ids.front()) opened->Renamed(*naming);
    }
  }
  StringsChanged();
}

void HistoryWindow::DeleteSelected() {
  const std::vector<std::string> ids = SelectedIds();
  if (ids.empty()) return;
  const HistoryTexts& texts = HistoryTextsFor(state_.language);
  std::string question;
  const auto found = std::ranges::find(strings_, ids.front(), &StringSummary::id);
  if (ids.size() == 1 && found != strings_.end()) {
    question = std::string(texts.delete_one_before) +
               ShownName(found->name, found->started, found->id) +
               std::string(texts.delete_one_after);
  } else {
    question =
        FormatInt(static_cast<std::int64_t>(ids.size())) + std::string(texts.delete_many_after);
  }
  if (!services_.messages.AskYesNo(question, texts.delete_caption)) return;
  for (const std::string& id : ids) {
    if (const std::optional<PlatformError> error = store_.Delete(id)) {
      services_.messages.ShowMessage(
          FailureText(texts.delete_failed, services_.folder.Path(), *error), Caption());
      break;
    }
    for (const auto& opened : string_windows_) {
      if (opened->id() == id) opened->Close();
    }
    if (string_deleted_) string_deleted_(id);
  }
  if (window_ != nullptr) window_->SelectRows({});
  StringsChanged();
}

void HistoryWindow::DropClosedWindows() {
  std::erase_if(string_windows_, [](const auto& opened) { return !opened->IsOpen(); });
}

void HistoryWindow::HelpRequested(TablePart part, int /*command*/, HelpGesture gesture) {
  services_.help.ShowHelp(HelpRequest::ControlTopic(HistoryHelpContext(part), gesture));
}

std::string HistoryWindow::Caption() const {
  return std::string(HistoryTextsFor(state_.language).caption);
}

TableWindowTexts HistoryWindow::WindowTexts() const {
  const HistoryTexts& texts = HistoryTextsFor(state_.language);
  const std::string unit = std::string(" (") + VelocityUnitLabel(metric_) + ")";
  TableWindowTexts window;
  window.caption = Caption();
  window.columns = {
      {std::string(texts.started), false, 16},
      {std::string(texts.name), false, 20},
      {std::string(texts.shots), true, 7},
      {std::string(texts.average) + unit, true, 14},
      {std::string(texts.extreme_spread) + unit, true, 10},
      {std::string(texts.standard_deviation) + unit, true, 10},
      {std::string(texts.notes), false, 30},
  };
  window.buttons = {
      {kOpen, std::string(texts.open)},
      {kRename, std::string(texts.name_and_notes)},
      {kDelete, std::string(texts.remove), TableKey::kDelete},
      {kExport, std::string(texts.export_csv)},
      {kSaveChart, std::string(texts.save_chart), TableKey::kNone, false},
  };
  return window;
}

}  // namespace tarvik
