// The instrument's shot-memory tab as the windows work it: the status query and the reset, each
// handing on the readings it met on the line; the buttons Fire, All, Back and Back 10; and when
// the main window's timer looks at the tab. The main window and the configuration sheet's Tab
// page share one.
//
// "All" goes on firing: after each fired shot has come back, the next look that still finds
// buffered shots sends the next "n", until the tab is empty, another button is pressed, the tab
// stops answering, or a second passes without the shot. Any shot completed counts as the one it
// fired.
#ifndef TARVIK_DIALOGS_TAB_CONTROLLER_H_
#define TARVIK_DIALOGS_TAB_CONTROLLER_H_

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "link/chronoscope.h"
#include "link/reading.h"
#include "link/tab_protocol.h"

namespace tarvik {

class TabController {
 public:
  // Idle ticks between two looks at the tab: it is asked on the 51st, about once a second.
  static constexpr int kIdleTicksPerLook = 50;
  // Ticks "All" waits for the shot it fired, a second at 20 ms a tick.
  static constexpr int kTicksToWaitForShot = 50;

  // Readings an exchange met on the line, to be completed as shots.
  using ReadingsMet = std::function<void(const std::vector<Reading>&)>;

  TabController(Chronoscope& chronoscope, Clock& clock, ReadingsMet readings_met)
      : chronoscope_(chronoscope), clock_(clock), readings_met_(std::move(readings_met)) {}

  // The tab as the last query found it.
  const TabStatus& status() const { return status_; }

  // The status query: true when the tab answered.
  bool Query();
  ResetOutcome Reset();

  // The timer's part. StartTick comes before the tick reads the line; LookDue, once the tick's
  // shots are complete, says whether the tick looks at the tab: on the tick after one that
  // completed a shot (20 ms on, so that the window paints the shot before the exchange holds it
  // up for 140 ms), or on the 51st idle tick. Neither kind of tick is counted as idle.
  void StartTick();
  bool LookDue();
  // A shot was completed, from the line or from an exchange.
  void ShotCompleted();
  // A look at the tab: the query, then the next shot of "All" when it is due; whether the tab
  // answered, or nothing while the memory snap holds the line (an exchange would take bytes of its
  // dump). Idle ticks count again from here.
  std::optional<bool> Look();

  // "Fire": one stored shot. "All": the first of them.
  void Fire();
  void FireAll();
  // "Back" ("b") and "Back 10" ("B"): the step back and its short reply; a look should follow.
  void StepBack(std::string_view letter);

 private:
  void ContinueFiringAll();
  void FireNext();

  Chronoscope& chronoscope_;
  Clock& clock_;
  ReadingsMet readings_met_;
  TabStatus status_;
  int idle_ticks_ = 0;           // since the last look
  bool shot_completed_ = false;  // since the current tick started
  bool look_owed_ = false;       // the tick before this one completed a shot
  bool firing_all_ = false;
  int shots_since_fire_ = 0;  // shots completed since the latest "n"
  int ticks_since_fire_ = 0;  // ticks since the latest "n" of "All"
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_TAB_CONTROLLER_H_
