// The kept strings as the history window and the export see them: listed newest first with
// their figures, loaded whole, renamed, annotated, deleted (moved aside) and exported. A summary
// cache keyed by each file's size and time of change spares reading every file for a list; a
// cache that is missing, stale or damaged is rebuilt from the files, which are the truth.
#ifndef TARVIK_HISTORY_HISTORY_STORE_H_
#define TARVIK_HISTORY_HISTORY_STORE_H_

#include <functional>
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

// Whether `a` stands before `b` in a list: the newer first, by start (a string without one
// last), then by id.
bool ListedBefore(const StringSummary& a, const StringSummary& b);

class HistoryStore {
 public:
  explicit HistoryStore(HistoryFolder& folder) : folder_(folder) {}

  // Every kept string, newest first (by its start, then its id). Where the cache no longer
  // matched the files, its new text waits for SaveIndex, so that the list is shown first.
  std::vector<StringSummary> List();
  // Writes the cache a List left to write; nothing when none did.
  void SaveIndex();
  // Adds the string as its file stands now to the cache, so that a listing need not read it:
  // for a string that was closed or changed.
  void Remember(std::string_view id);
  // One string as List would give it now, read from its file alone (the cache is left as it
  // is): the string being recorded, without listing them all. Nothing when its file is gone,
  // cannot be read or holds no shot, as List would leave it out.
  std::optional<StringSummary> Summary(std::string_view id);
  // The string whole; nothing when its file is gone or cannot be read.
  std::optional<KeptString> Load(std::string_view id);
  // A new name or notes, appended to the string's file as a record of `time`.
  std::optional<PlatformError> SetName(std::string_view id, std::string_view name,
                                       const LocalTime& time);
  std::optional<PlatformError> SetNotes(std::string_view id, std::string_view notes,
                                        const LocalTime& time);
  // Moves the string's file aside into the "deleted" folder.
  std::optional<PlatformError> Delete(std::string_view id);

  // Writes the strings' shots as CSV (the header line first, then every shot of each string in
  // the order given, undone shots as left out) in pieces to `write`, which returns false to stop.
  // False when a string could not be read or `write` stopped.
  bool ExportCsv(std::span<const std::string> ids,
                 const std::function<bool(std::string_view)>& write);
  // The same for every kept string, oldest first.
  bool ExportAllCsv(const std::function<bool(std::string_view)>& write);

 private:
  // Remembers the string when a change to its file succeeded; the outcome as it was.
  std::optional<PlatformError> RememberIfWritten(std::string_view id,
                                                 std::optional<PlatformError> failure);

  HistoryFolder& folder_;
  std::optional<std::string> unsaved_index_;
};

}  // namespace tarvik

#endif  // TARVIK_HISTORY_HISTORY_STORE_H_
