#include "dialogs/kept_string_window.h"

#include <utility>

#include "base/number_text.h"
#include "dialogs/history_figures.h"
#include "dialogs/history_help.h"
#include "measure/units.h"
#include "res/history_texts.h"
#include "res/shot_table_texts.h"

namespace tarvik {
namespace {

std::string Titled(std::string_view word, const char* unit) {
  return std::string(word) + " (" + unit + ")";
}

}  // namespace

KeptStringWindow::KeptStringWindow(const HistoryServices& services, AppState& state,
                                   KeptString string, std::function<void()> renamed)
    : services_(services),
      state_(state),
      store_(services.folder),
      string_(std::move(string)),
      renamed_(std::move(renamed)) {}

bool KeptStringWindow::Open(const WindowPlacement& frame) {
  metric_ = state_.settings.metric;
  figures_.Clear();
  velocities_.clear();
  not_counted_.clear();
  for (const KeptShot& shot : string_.shots) {
    if (shot.counted()) figures_.Add(shot.velocity, shot.weight);
    velocities_.push_back(VelocityForDisplay(shot.velocity, metric_));
    not_counted_.push_back(shot.counted() ? 0 : 1);
  }
  window_ = services_.windows.OpenTable(WindowTexts(), frame, *this);
  return IsOpen();
}

void KeptStringWindow::Renamed(const StringNaming& naming) {
  string_.name = naming.name;
  string_.notes = naming.notes;
  if (IsOpen()) window_->SetCaption(Caption());
}

std::string KeptStringWindow::CellText(int row, int column) const {
  if (row < 0 || row >= RowCount()) return {};
  const KeptShot& shot = string_.shots[static_cast<std::size_t>(row)];
  const HistoryTexts& texts = HistoryTextsFor(state_.language);
  switch (column) {
    case kShot:
      return FormatInt(shot.number);
    case kTime:
      return shot.time ? TimeOfDayText(*shot.time) : std::string();
    case kVelocity:
      return FormatFixed(VelocityForDisplay(shot.velocity, metric_), 2);
    case kEnergy:
      return FormatFixed(EnergyForDisplay(shot.energy, metric_), 2);
    case kCount:
      return shot.count ? FormatInt(*shot.count) : std::string();
    case kMark:
      return shot.mark ? MarkLabel(*shot.mark) : std::string();
    case kStatus:
      return std::string(shot.undone     ? texts.undone
                         : shot.left_out ? texts.left_out
                         : shot.loaded   ? texts.loaded
                                         : "");
    default:
      return {};
  }
}

RowLook KeptStringWindow::LookOfRow(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  return {!string_.shots[static_cast<std::size_t>(row)].counted(), false};
}

std::vector<std::vector<std::string>> KeptStringWindow::Figures() const {
  const ShotTableTexts& texts = ShotTableTextsFor(state_.language);
  const tarvik::Figures v = figures_.velocity().Get();
  const tarvik::Figures e = figures_.energy().Get();
  const auto text = [&](double value, double (*to_display)(double, bool), bool shown) {
    return shown ? FormatFixed(to_display(value, metric_), 2) : std::string();
  };
  const bool any = v.count > 0;
  const bool spread = v.count > 1;
  const auto row = [&](std::string_view title, double velocity, double energy, bool shown) {
    return std::vector<std::string>{std::string(title), text(velocity, VelocityForDisplay, shown),
                                    text(energy, EnergyForDisplay, shown)};
  };
  const std::string shots = FormatInt(v.count);
  return {
      {"", Titled(texts.velocity, VelocityUnitLabel(metric_)),
       Titled(texts.energy, EnergyUnitLabel(metric_))},
      {std::string(texts.shots), shots, shots},
      row(texts.average, v.average, e.average, any),
      row(texts.extreme_spread, v.extreme_spread, e.extreme_spread, any),
      row(texts.standard_deviation, v.standard_deviation, e.standard_deviation, spread),
      row(texts.lowest, v.lowest, e.lowest, any),
      row(texts.highest, v.highest, e.highest, any),
      {Titled(HistoryTextsFor(state_.language).weight, WeightUnitLabel(metric_)),
       WeightText(string_, metric_), ""},
  };
}

ChartInput KeptStringWindow::MakeChartInput() const {
  ChartInput input;
  input.velocities = velocities_;
  input.left_out = not_counted_;
  const tarvik::Figures v = figures_.velocity().Get();
  if (v.count > 0) input.average = VelocityForDisplay(v.average, metric_);
  if (v.count > 1) input.standard_deviation = VelocityForDisplay(v.standard_deviation, metric_);
  if (IsOpen() && !window_->SelectedRows().empty()) input.selected = window_->SelectedRows()[0];
  input.unit = VelocityUnitLabel(metric_);
  input.shot_axis = ShotTableTextsFor(state_.language).shot;
  input.empty_text = ShotTableTextsFor(state_.language).no_shots;
  return input;
}

void KeptStringWindow::PaintChart(Canvas& canvas) {
  chart_plot_ = PaintShotChart(canvas, MakeChartInput());
}

void KeptStringWindow::ChartClicked(int x, int y) {
  if (IsOpen() && SelectClickedShot(*window_, MakeChartInput(), chart_plot_, x, y)) {
    window_->ChartChanged();
  }
}

void KeptStringWindow::Command(int command) {
  if (!IsOpen()) return;
  switch (command) {
    case kRename:
      if (const std::optional<StringNaming> naming =
              RenameString(services_, store_, string_.id, {string_.name, string_.notes},
                           state_.language, Caption())) {
        Renamed(*naming);
        if (renamed_) renamed_();
      }
      break;
    case kExport: {
      const std::string ids[] = {string_.id};
      ExportStrings(services_, store_, ids, state_.language, Caption());
      break;
    }
    case kSaveChart:
      SaveChartAs(*window_, services_, state_.language, Caption());
      break;
    default:
      break;
  }
}

void KeptStringWindow::HelpRequested(TablePart /*part*/, int /*command*/, HelpGesture gesture) {
  services_.help.ShowHelp(HelpRequest::ControlTopic(kKeptStringContext, gesture));
}

std::string KeptStringWindow::Caption() const {
  return std::string(HistoryTextsFor(state_.language).string_caption) +
         ShownName(string_.name, string_.started, string_.id);
}

TableWindowTexts KeptStringWindow::WindowTexts() const {
  const ShotTableTexts& shot = ShotTableTextsFor(state_.language);
  const HistoryTexts& texts = HistoryTextsFor(state_.language);
  TableWindowTexts window;
  window.caption = Caption();
  window.columns = {
      {std::string(shot.shot), true, 7},
      {std::string(shot.time), false, 10},
      {Titled(shot.velocity, VelocityUnitLabel(metric_)), true, 20},
      {Titled(shot.energy, EnergyUnitLabel(metric_)), true, 16},
      {std::string(shot.count), true, 9},
      {std::string(shot.mark), false, 5},
      {std::string(texts.status), false, 12},
  };
  window.buttons = {{kRename, std::string(texts.name_and_notes)},
                    {kExport, std::string(texts.export_csv)},
                    {kSaveChart, std::string(texts.save_chart), TableKey::kNone, false}};
  return window;
}

}  // namespace tarvik
