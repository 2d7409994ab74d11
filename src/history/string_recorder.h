// The current string, recorded as it is shot: each shot, undo and left-out mark is appended to
// the string's file and synced to the disk before the caller goes on, so a crash or a power cut
// afterwards never loses it. The file is made at the string's first shot, so a string without a
// shot is never kept. When the disk refuses (full, read-only, gone), the records are held in
// order and written by Retry as soon as it takes them again; what is already in the file is never
// touched, and a part of a record that a failed write left is cut off again. A string closed
// (and the one current when the recorder ends) goes into the history's summary cache.
#ifndef TARVIK_HISTORY_STRING_RECORDER_H_
#define TARVIK_HISTORY_STRING_RECORDER_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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
  // The clock dates a string's name and notes, and names its file when its first shot has no
  // time of its own (loaded from the log).
  StringRecorder(HistoryFolder& folder, const Clock& clock);
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
  std::size_t held_records() const { return held_.size(); }
  // The notice the last calls raised, and the error behind it; taken once.
  RecorderNotice TakeNotice();
  const std::optional<PlatformError>& last_error() const { return last_error_; }
  // The current string's id, once its file exists.
  const std::string& current_id() const { return current_id_; }

 private:
  // A string on its way to the disk: its file once made, the size of what it holds intact, and
  // its header, name and notes until the first write has put them down.
  struct Target {
    std::unique_ptr<HistoryFile> file;
    std::string id;
    LocalTime started;
    std::string head;
    std::int64_t good_size = 0;
    bool cut_pending = false;  // a failed write's part could not be cut off yet
  };
  // Records not yet written, and the string whose file they belong in.
  struct Held {
    std::shared_ptr<Target> target;
    std::string bytes;
  };

  Target& Current(const std::optional<LocalTime>& first_time);
  void Write(std::string bytes);
  void Hold(const std::shared_ptr<Target>& target, std::string bytes);
  std::optional<PlatformError> Put(Target& target, std::string_view bytes);
  std::optional<PlatformError> Create(Target& target);
  void Failed(const PlatformError& error);

  HistoryFolder& folder_;
  const Clock& clock_;
  std::shared_ptr<Target> current_;
  std::string current_id_;
  std::vector<Held> held_;  // in the order they were recorded
  std::optional<PlatformError> last_error_;
  RecorderNotice notice_ = RecorderNotice::kNone;
  bool cannot_write_told_ = false;  // until writing works again
  std::string next_name_;
  std::string next_notes_;
  std::int32_t next_number_ = 1;
  std::vector<std::int32_t> rows_;  // the number of each row's shot, undone ones taken away
};

}  // namespace tarvik

#endif  // TARVIK_HISTORY_STRING_RECORDER_H_
