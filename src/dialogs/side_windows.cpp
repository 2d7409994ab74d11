#include "dialogs/side_windows.h"

#include "res/statistics_template.h"

namespace tarvik {

SideWindows::SideWindows(WindowFactory& windows, SettingsStore& store, HelpViewer& help,
                         AppState& state, LeftOutListener counting_changed)
    : windows_(windows),
      state_(state),
      big_display_(windows, store, state),
      graph_(windows, store, state,
             [this] { return statistics_ != nullptr ? statistics_->LastCountInUse() : 0u; }),
      shot_table_(windows, store, help, state, std::move(counting_changed)) {}

void SideWindows::ToggleStatistics() {
  if (statistics_window_) {
    statistics_window_.reset();
    statistics_ = nullptr;
    return;
  }
  statistics_window_ =
      windows_.OpenModeless(StatisticsTemplate(state_.language), [this](DialogSurface& surface) {
        auto logic = std::make_unique<AdvancedStatistics>(surface, state_, [this] {
          if (graph_.selected_only()) graph_.Invalidate();
        });
        statistics_ = logic.get();
        return logic;
      });
  if (!statistics_window_) statistics_ = nullptr;
  SeriesChanged();
  windows_.FocusOwner();
}

void SideWindows::ShotAppended() {
  CountingChanged();
  shot_table_.ShotAppended();
}

void SideWindows::CountingChanged() {
  if (statistics_ != nullptr) statistics_->RecomputeStatistics();
  graph_.Invalidate();
}

void SideWindows::SeriesChanged() {
  CountingChanged();
  shot_table_.Refresh();
}

void SideWindows::Relabel() {
  if (statistics_ != nullptr) statistics_->RelabelStatistics();
  shot_table_.Refresh();
}

void SideWindows::CloseAll() {
  statistics_window_.reset();
  statistics_ = nullptr;
  big_display_.Close();
  graph_.Close();
  shot_table_.Close();
}

}  // namespace tarvik
