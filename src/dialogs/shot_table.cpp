#include "dialogs/shot_table.h"

#include <algorithm>
#include <utility>

#include "base/number_text.h"
#include "dialogs/shot_table_help.h"
#include "link/hardware_mark.h"
#include "measure/shot.h"
#include "measure/units.h"
#include "res/shot_table_texts.h"
#include "settings/setting_table.h"

namespace tarvik {
namespace {

// The two last digits of a clock's field.
std::string TwoDigits(std::int32_t value) {
  const char digits[] = {static_cast<char>('0' + value / 10 % 10),
                         static_cast<char>('0' + value % 10)};
  return std::string(digits, 2);
}

// "14:03:27" from milliseconds after midnight.
std::string TimeOfDayText(std::int32_t ms) {
  const std::int32_t seconds = ms / 1000;
  return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
         TwoDigits(seconds % 60);
}

std::string Heading(std::string_view word, const char* unit) {
  return std::string(word) + " (" + unit + ")";
}

}  // namespace

ShotTable::ShotTable(WindowFactory& windows, SettingsStore& store, HelpViewer& help,
                     AppState& state, LeftOutListener counting_changed)
    : windows_(windows),
      store_(store),
      help_(help),
      state_(state),
      counting_changed_(std::move(counting_changed)) {}

ShotTable::~ShotTable() { Close(); }

void ShotTable::Toggle() {
  if (IsOpen()) {
    Close();
    return;
  }
  selected_.reset();
  metric_ = state_.settings.metric;
  RebuildFigures();
  ReadWindowPlacement(store_, setting::kShotTablePlacement, state_.settings.shot_table);
  window_ = windows_.OpenTable(WindowTexts(), state_.settings.shot_table, *this);
  if (!IsOpen()) return;
  if (RowCount() > 0) window_->ScrollToRow(RowCount() - 1);
  FollowSelection();
}

void ShotTable::Close() {
  if (!IsOpen()) return;
  WriteWindowPlacement(store_, setting::kShotTablePlacement, window_->Frame());
  window_.reset();
}

void ShotTable::ShotAppended() {
  if (!IsOpen() || state_.series.row_count() == 0) return;
  const std::int32_t last = state_.series.row_count() - 1;
  if (FollowUnits()) {
    window_->ScrollToRow(last);
    return;
  }
  const ShotRow& shot = state_.series.row(last);
  figures_.Add(shot.velocity(), state_.settings.weight);
  AddToChart(shot);
  window_->RowsChanged(last);
  window_->ScrollToRow(last);
  window_->FiguresChanged();
  window_->ChartChanged();
}

bool ShotTable::FollowUnits() {
  if (state_.settings.metric == metric_) return false;
  metric_ = state_.settings.metric;
  std::vector<std::string> headings;
  for (const TableColumn& column : WindowTexts().columns) headings.push_back(column.heading);
  window_->RenameColumns(headings);
  RebuildFigures();
  window_->RowsChanged(0);
  window_->FiguresChanged();
  window_->ChartChanged();
  return true;
}

void ShotTable::Refresh() {
  if (!IsOpen()) return;
  if (FollowUnits()) {
    FollowSelection();
    return;
  }
  RebuildFigures();
  if (selected_ && *selected_ >= RowCount()) selected_.reset();
  window_->RowsChanged(0);
  window_->FiguresChanged();
  window_->ChartChanged();
  FollowSelection();
}

int ShotTable::RowCount() const { return state_.series.row_count(); }

double ShotTable::EnergyOf(const ShotRow& shot) const {
  return FlooredShotEnergy(shot.velocity(), state_.settings.weight);
}

std::string ShotTable::CellText(int row, int column) const {
  if (row < 0 || row >= RowCount()) return {};
  const ShotRow& shot = state_.series.row(row);
  const bool metric = metric_;
  switch (column) {
    case kShot:
      return FormatInt(row + 1);
    case kTime:
      return shot.loaded() ? "" : TimeOfDayText(shot.time_of_day_ms());
    case kVelocity:
      return FormatFixed(VelocityForDisplay(shot.velocity(), metric), 2);
    case kEnergy:
      return FormatFixed(EnergyForDisplay(EnergyOf(shot), metric), 2);
    case kCount:
      return shot.loaded() ? "" : FormatInt(shot.count());
    case kMark:
      return shot.loaded() ? "" : MarkLabel(shot.mark());
    case kLimit:
      return AboveLegalLimit(EnergyOf(shot), state_.settings.legal_limit)
                 ? std::string(ShotTableTextsFor(state_.language).over)
                 : "";
    default:
      return {};
  }
}

RowLook ShotTable::LookOfRow(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  const ShotRow& shot = state_.series.row(row);
  return {shot.left_out(), AboveLegalLimit(EnergyOf(shot), state_.settings.legal_limit)};
}

std::vector<std::vector<std::string>> ShotTable::Figures() const {
  const ShotTableTexts& texts = ShotTableTextsFor(state_.language);
  const bool metric = metric_;
  const tarvik::Figures v = figures_.velocity().Get();
  const tarvik::Figures e = figures_.energy().Get();
  std::string shots = FormatInt(v.count);
  if (state_.series.left_out_count() > 0) {
    shots += " (" + FormatInt(state_.series.left_out_count()) + " " +
             std::string(texts.left_out_count) + ")";
  }
  // A figure of no shots, or a deviation of one, is left empty.
  const auto text = [&](double value, double (*to_display)(double, bool), bool shown) {
    return shown ? FormatFixed(to_display(value, metric), 2) : std::string();
  };
  const bool any = v.count > 0;
  const bool spread = v.count > 1;
  return {
      {"", Heading(texts.velocity, VelocityUnitLabel(metric)),
       Heading(texts.energy, EnergyUnitLabel(metric))},
      {std::string(texts.shots), shots, shots},
      {std::string(texts.average), text(v.average, VelocityForDisplay, any),
       text(e.average, EnergyForDisplay, any)},
      {std::string(texts.extreme_spread), text(v.extreme_spread, VelocityForDisplay, any),
       text(e.extreme_spread, EnergyForDisplay, any)},
      {std::string(texts.standard_deviation),
       text(v.standard_deviation, VelocityForDisplay, spread),
       text(e.standard_deviation, EnergyForDisplay, spread)},
      {std::string(texts.lowest), text(v.lowest, VelocityForDisplay, any),
       text(e.lowest, EnergyForDisplay, any)},
      {std::string(texts.highest), text(v.highest, VelocityForDisplay, any),
       text(e.highest, EnergyForDisplay, any)},
  };
}

ChartInput ShotTable::MakeChartInput() const {
  ChartInput input;
  input.velocities = chart_velocities_;
  input.left_out = chart_left_out_;
  const tarvik::Figures v = figures_.velocity().Get();
  const bool metric = metric_;
  if (v.count > 0) input.average = VelocityForDisplay(v.average, metric);
  if (v.count > 1) input.standard_deviation = VelocityForDisplay(v.standard_deviation, metric);
  input.selected = selected_;
  input.unit = VelocityUnitLabel(metric);
  input.shot_axis = ShotTableTextsFor(state_.language).shot;
  input.empty_text = ShotTableTextsFor(state_.language).no_shots;
  return input;
}

void ShotTable::PaintChart(Canvas& canvas) {
  chart_plot_ = PaintShotChart(canvas, MakeChartInput());
}

void ShotTable::ChartClicked(int x, int y) {
  if (IsOpen() && SelectClickedShot(*window_, MakeChartInput(), chart_plot_, x, y)) {
    FollowSelection();
  }
}

void ShotTable::SelectionChanged() { FollowSelection(); }

void ShotTable::FollowSelection() {
  if (!IsOpen()) return;
  const std::vector<int> rows = window_->SelectedRows();
  bool any_counted = false;
  bool any_left_out = false;
  for (const int row : rows) {
    if (row < 0 || row >= RowCount()) continue;
    (state_.series.row(row).left_out() ? any_left_out : any_counted) = true;
  }
  window_->EnableCommand(kLeaveOut, any_counted);
  window_->EnableCommand(kTakeIn, any_left_out);
  const std::optional<int> selected =
      rows.empty() ? std::nullopt : std::optional<int>(rows.front());
  if (selected != selected_) {
    selected_ = selected;
    window_->ChartChanged();
  }
}

void ShotTable::Command(int command) {
  if (!IsOpen()) return;
  const std::vector<int> selected = window_->SelectedRows();
  const std::vector<std::int32_t> rows(selected.begin(), selected.end());
  if (!state_.series.SetLeftOut(rows, command == kLeaveOut)) return;
  counting_changed_(rows, command == kLeaveOut);
  RebuildFigures();
  window_->RowsChanged(*std::ranges::min_element(rows));
  window_->FiguresChanged();
  window_->ChartChanged();
  FollowSelection();
}

void ShotTable::HelpRequested(TablePart part, int /*command*/, HelpGesture gesture) {
  help_.ShowHelp(HelpRequest::ControlTopic(ShotTableHelpContext(part), gesture));
}

TableWindowTexts ShotTable::WindowTexts() const {
  const ShotTableTexts& texts = ShotTableTextsFor(state_.language);
  const bool metric = metric_;
  TableWindowTexts window;
  window.caption = texts.caption;
  window.columns = {
      {std::string(texts.shot), true, 7},
      {std::string(texts.time), false, 10},
      {Heading(texts.velocity, VelocityUnitLabel(metric)), true, 20},
      {Heading(texts.energy, EnergyUnitLabel(metric)), true, 16},
      {std::string(texts.count), true, 9},
      {std::string(texts.mark), false, 5},
      {std::string(texts.limit), false, 7},
  };
  window.buttons = {{kLeaveOut, std::string(texts.leave_out), TableKey::kDelete},
                    {kTakeIn, std::string(texts.take_in), TableKey::kInsert}};
  return window;
}

void ShotTable::AddToChart(const ShotRow& shot) {
  chart_velocities_.push_back(VelocityForDisplay(shot.velocity(), metric_));
  chart_left_out_.push_back(shot.left_out() ? 1 : 0);
}

void ShotTable::RebuildFigures() {
  figures_.Clear();
  chart_velocities_.clear();
  chart_left_out_.clear();
  const double weight = state_.settings.weight;
  for (std::int32_t row = 0; row < state_.series.row_count(); ++row) {
    const ShotRow& shot = state_.series.row(row);
    if (!shot.left_out()) figures_.Add(shot.velocity(), weight);
    AddToChart(shot);
  }
}

}  // namespace tarvik
