// The memory snap: collects the raw bytes the instrument sends (a memory dump it is waiting for,
// not asking for) through the chronoscope, at most 200, with a running count, and saves them
// unchanged to "snap.dmp". While it runs the main window's timer leaves the port alone.
#ifndef TARVIK_DIALOGS_MEMORY_SNAP_H_
#define TARVIK_DIALOGS_MEMORY_SNAP_H_

#include <string>

#include "base/clock.h"
#include "base/dialog_view.h"
#include "base/files.h"
#include "link/chronoscope.h"
#include "res/snap_template.h"

namespace tarvik {

inline constexpr const char* kSnapFile = "snap.dmp";

class MemorySnap final : public DialogLogic<SnapId> {
 public:
  static constexpr int kTimerId = 1;
  static constexpr int kTimerPeriodMs = 20;

  MemorySnap(DialogSurface& surface, Chronoscope& chronoscope, Clock& clock, Files& files)
      : view_(surface), chronoscope_(chronoscope), clock_(clock), files_(files) {}

  // Takes the line for the snap and starts counting.
  void Initialize() override;
  // Takes what has arrived and shows the count.
  void Tick(int timer_id) override;
  // The close box gives up, as Escape does.
  void CloseRequested() override { End(); }
  // The line goes back to the main window however the window ends.
  void Destroyed() override {
    view_.StopTimer(kTimerId);
    chronoscope_.EndSnap();
  }

 protected:
  void OnCommand(SnapId id, Notification notification) override;

 private:
  void ShowCount();
  void End();

  DialogView<SnapId> view_;
  Chronoscope& chronoscope_;
  Clock& clock_;
  Files& files_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_MEMORY_SNAP_H_
