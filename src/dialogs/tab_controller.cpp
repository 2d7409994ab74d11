#include "dialogs/tab_controller.h"

#include <utility>

namespace tarvik {

bool TabController::Query() {
  const auto [answered, readings] = chronoscope_.QueryTab(clock_, status_);
  readings_met_(readings);
  return answered;
}

ResetOutcome TabController::Reset() {
  const auto [outcome, readings] = chronoscope_.ResetTab(clock_);
  readings_met_(readings);
  return outcome;
}

void TabController::StartTick() {
  look_owed_ = std::exchange(shot_completed_, false);
  if (firing_all_) ++ticks_since_fire_;
}

bool TabController::LookDue() {
  if (shot_completed_) return false;  // the next tick looks
  return look_owed_ || ++idle_ticks_ > kIdleTicksPerLook;
}

void TabController::ShotCompleted() {
  shot_completed_ = true;
  ++shots_since_fire_;
}

std::optional<bool> TabController::Look() {
  idle_ticks_ = 0;
  if (chronoscope_.IsSnapping()) return std::nullopt;
  const bool answered = Query();
  if (answered) {
    ContinueFiringAll();
  } else {
    firing_all_ = false;
  }
  return answered;
}

void TabController::Fire() {
  firing_all_ = false;
  FireNext();
}

void TabController::FireAll() {
  firing_all_ = true;
  FireNext();
}

void TabController::StepBack(std::string_view letter) {
  firing_all_ = false;
  readings_met_(chronoscope_.StepTabBack(clock_, letter));
}

void TabController::ContinueFiringAll() {
  if (!firing_all_) return;
  if (status_.counts.buffered == 0) {
    firing_all_ = false;
  } else if (shots_since_fire_ > 0) {
    FireNext();
  } else if (ticks_since_fire_ > kTicksToWaitForShot) {
    firing_all_ = false;
  }
}

void TabController::FireNext() {
  shots_since_fire_ = 0;
  ticks_since_fire_ = 0;
  chronoscope_.FireStoredShot();
}

}  // namespace tarvik
