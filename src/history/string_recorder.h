// The current string, recorded as it is shot: each shot, undo and left-out mark is appended to
// the string's file and synced to the disk before the caller goes on, so a crash or a power cut
// afterwards never loses it. The file is made at the string's first shot, so a string without a
// shot is never kept. When the disk refuses (full, read-only, gone), the records are held in
// order and written by Retry as soon as it takes them again; what is already in the file is never
// touched, and a part of a record that a failed write left is cut off again.
#ifndef TARVIK_HISTORY_STRING_RECORDER_H_
#define TARVIK_HISTORY_STRING_RECORDER_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/platform_error.h"
#include "history/history_folder.h"
#include "history/kept_string.h"

namespace tarvik {

// What the user is to be told, once each, after a call.
enum class RecorderNotice {
  kNone,
  kCannotWrite,   // the history cannot be written; shots are held until it can
  kWritingAgain,  // what was held has been written
  kShared,        // another running program holds the history; strings are still kept apart
};

class StringRecorder {
 public:
  explicit StringRecorder(HistoryFolder& folder);
  ~StringRecorder();
  StringRecorder(const StringRecorder&) = delete;
  StringRecorder& operator=(const StringRecorder&) = delete;

  // Closes the current string; the next shot starts one with this name and these notes.
  void StartString(std::string name, std::string notes);
  // Closes the current string (Reset): the next shot starts an unnamed one.
  void CloseString();

  // A decoded or loaded shot at the end of the current string (its number is given here), and
  // marks on the current string's shots by their row in the series: the row the table shows, not
  // counting undone shots. All are durable before they return, unless writing failed.
  void RecordShot(KeptShot shot);
  // Several loaded shots at once (Load log), with one sync.
  void RecordShots(std::span<const KeptShot> shots);
  void RecordUndo(const LocalTime& time);
  void RecordLeftOut(std::span<const std::int32_t> rows, bool left_out, const LocalTime& time);

  // Writes what is held, when anything is; for the timer, about once a second.
  void Retry();
  bool holding() const { return !held_.empty(); }
  // The notice the last calls raised, and the error behind it; taken once.
  RecorderNotice TakeNotice();
  const std::optional<PlatformError>& last_error() const { return last_error_; }
  // The current string's id, once its file exists.
  const std::string& current_id() const { return current_id_; }

 private:
  HistoryFolder& folder_;
  std::unique_ptr<HistoryFile> file_;
  std::string current_id_;
  std::vector<std::string> held_;  // records not yet written, in order
  std::optional<PlatformError> last_error_;
  RecorderNotice notice_ = RecorderNotice::kNone;
  // The rest belongs to the implementation.
};

}  // namespace tarvik

#endif  // TARVIK_HISTORY_STRING_RECORDER_H_
