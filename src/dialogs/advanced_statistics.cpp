#include "dialogs/advanced_statistics.h"

#include "base/number_text.h"
#include "measure/statistics.h"
#include "measure/units.h"

namespace tarvik {
namespace {

using Id = StatisticsId;

constexpr int kFigures = 5;  // minimum, maximum, average, range, RMS

Id Figure(Id first, int index) { return static_cast<Id>(static_cast<int>(first) + index); }

void ShowSpread(DialogView<Id>& view, Id first, const Spread& spread,
                double (*convert)(double, bool), bool metric) {
  const double figures[kFigures] = {spread.minimum, spread.maximum, spread.average, spread.range,
                                    spread.rms};
  for (int i = 0; i < kFigures; ++i) {
    view.SetItemText(Figure(first, i), MeasurementFieldText(convert(figures[i], metric)));
  }
}

}  // namespace

AdvancedStatistics::AdvancedStatistics(DialogSurface& surface, const AppState& state,
                                       std::function<void()> selection_changed)
    : view_(surface), state_(state), selection_changed_(std::move(selection_changed)) {}

void AdvancedStatistics::Initialize() {
  view_.SetItemUnsigned(Id::kLastCount, kInitialLastCount);
  view_.CheckItem(Id::kUseLastOnly, false);
  TitleGroups();
}

void AdvancedStatistics::TitleGroups() {
  view_.SetItemText(Id::kVelocityGroup, VelocityUnitLabel(state_.settings.metric));
  view_.SetItemText(Id::kEnergyGroup, EnergyUnitLabel(state_.settings.metric));
}

std::uint32_t AdvancedStatistics::LastCountInUse() const {
  if (!view_.IsItemChecked(Id::kUseLastOnly)) return 0;
  const std::uint32_t n = ParseUnsignedField(view_.GetItemText(Id::kLastCount)).value_or(0);
  return n < static_cast<std::uint32_t>(state_.series.count()) ? n : 0;
}

void AdvancedStatistics::RecomputeStatistics() {
  const ShotSeries& series = state_.series;
  view_.SetItemUnsigned(Id::kShotCount, static_cast<std::uint32_t>(series.count()));
  if (series.count() == 0) {
    for (int i = 0; i < kFigures; ++i) {
      view_.SetItemText(Figure(Id::kVelocityFirst, i), "");
      view_.SetItemText(Figure(Id::kEnergyFirst, i), "");
    }
    return;
  }
  const AppSettings& settings = state_.settings;
  const ShotStatistics stats =
      ComputeStatistics(LastShots(series, LastCountInUse()), settings.weight);
  ShowSpread(view_, Id::kVelocityFirst, stats.velocity, &VelocityForDisplay, settings.metric);
  ShowSpread(view_, Id::kEnergyFirst, stats.energy, &EnergyForDisplay, settings.metric);
}

void AdvancedStatistics::RelabelStatistics() {
  TitleGroups();
  RecomputeStatistics();
}

void AdvancedStatistics::OnCommand(Id id, Notification /*notification*/) {
  if (id != Id::kUseLastOnly) return;
  view_.EnableItem(Id::kLastCount, view_.IsItemChecked(Id::kUseLastOnly));
  RecomputeStatistics();
  if (selection_changed_) selection_changed_();
}

}  // namespace tarvik
