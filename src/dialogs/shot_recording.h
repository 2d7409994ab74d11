// The history's side of the main window: every shot, undo, left-out mark and loaded log of the
// series is recorded in the current string as it happens; Reset closes the string and New string
// starts a named one. What the user must be told (the history cannot be written, is written
// again, is shared with another Tarvik) is handed out as a text once, for the main window to show
// outside its tick.
#ifndef TARVIK_DIALOGS_SHOT_RECORDING_H_
#define TARVIK_DIALOGS_SHOT_RECORDING_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/clock.h"
#include "dialogs/app_state.h"
#include "history/history_folder.h"
#include "history/string_recorder.h"
#include "measure/shot.h"

namespace tarvik {

class ShotRecording {
 public:
  // Held records are tried again this often while the timer ticks.
  static constexpr std::int64_t kRetryPeriodMs = 1000;

  ShotRecording(HistoryFolder& folder, const Clock& clock, const AppState& state);

  // A decoded shot, before it is shown: it is on the disk when this returns, unless the history
  // cannot be written now.
  void RecordShot(const Shot& shot, const LocalTime& time);
  // The series' last row was taken away.
  void RecordUndo();
  // Rows of the series were left out or taken in.
  void RecordLeftOut(std::span<const std::int32_t> rows, bool left_out);
  // Rows from `first` on were loaded from the log, at the weight and calibration in use.
  void RecordLoaded(std::int32_t first);
  void CloseString() { recorder_.CloseString(); }
  void StartString(std::string name, std::string notes);
  // From the timer: writes held records once a second. The strings whose files changed since
  // the last time this said so, at most once a second, for the history window to show them
  // again (listing every string costs more than a shot); nothing when none did. `others` when
  // held records were written, which may belong to strings no longer current or whose file the
  // retry made.
  struct Changes {
    std::vector<std::string> ids;
    bool others = false;
  };
  std::optional<Changes> Tick();
  // What the user is to be told now, once; nothing most of the time.
  std::optional<std::string> TakeMessage();
  const std::string& current_id() const { return recorder_.current_id(); }

 private:
  // Notes the current string as changed, once its file exists.
  void Changed();

  HistoryFolder& folder_;
  const Clock& clock_;
  const AppState& state_;
  StringRecorder recorder_;
  std::int64_t last_retry_ms_ = 0;
  std::optional<std::int64_t> last_told_ms_;
  Changes changes_;  // since the last time Tick said so
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_SHOT_RECORDING_H_
