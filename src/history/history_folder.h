// The folder the history lives in, as the history code uses it: one file per string in
// "strings", strings the user deleted moved into "deleted", a summary cache beside them, and a
// hold on the whole folder that only one running program has at a time. Implemented over the
// operating system's calls; a failure comes back as the system's error, never shown.
#ifndef TARVIK_HISTORY_HISTORY_FOLDER_H_
#define TARVIK_HISTORY_HISTORY_FOLDER_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/platform_error.h"

namespace tarvik {

// A string's file, open to be appended to.
class HistoryFile {
 public:
  virtual ~HistoryFile() = default;
  // Writes the bytes at the end of the file and waits until the disk holds them (a data sync),
  // so that a crash or a power cut afterwards keeps them. On failure the file may hold a part.
  virtual std::optional<PlatformError> AppendDurably(std::string_view bytes) = 0;
  // Cuts the file back to `size` bytes: what it held before an append that failed.
  virtual std::optional<PlatformError> Truncate(std::int64_t size) = 0;
  // Its size in bytes now; -1 when it cannot be told.
  virtual std::int64_t Size() = 0;
};

struct HistoryEntry {
  std::string name;           // "2026-12-07_093005.csv"
  std::int64_t size = 0;      // bytes
  std::int64_t modified = 0;  // the file's last change, in the system's own units
  friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

class HistoryFolder {
 public:
  virtual ~HistoryFolder() = default;
  // The folder's path, to tell the user where the history is.
  virtual std::string Path() const = 0;
  // The string files: the names ending in ".csv" in "strings", in no particular order; none when
  // the folder does not exist yet or cannot be read.
  virtual std::vector<HistoryEntry> ListStrings() = 0;
  // One string file's entry as ListStrings gives it; nothing when it is gone or cannot be told.
  virtual std::optional<HistoryEntry> StatString(std::string_view name) = 0;
  // A string file's whole content; nothing when it cannot be read. Called from several threads
  // at once while nothing else is called.
  virtual std::optional<std::string> ReadString(std::string_view name) = 0;
  // Creates a string file that does not exist yet, making the folders it needs, and makes its
  // name durable; nothing, with `error` set, when it cannot (the code of an existing file is the
  // system's "already exists").
  virtual std::unique_ptr<HistoryFile> CreateString(std::string_view name,
                                                    PlatformError& error) = 0;
  // Opens an existing string file to append to it.
  virtual std::unique_ptr<HistoryFile> OpenString(std::string_view name, PlatformError& error) = 0;
  // Moves a string file into "deleted", under a name no other file there has.
  virtual std::optional<PlatformError> MoveStringAside(std::string_view name) = 0;
  // The summary cache: its content, replacing it whole (written beside it and renamed over it,
  // so a cut-short write leaves the old one), and lines added at its end, the cache made with
  // `header` first when there is none. Being a cache, it is never synced: a power cut that
  // loses it costs one listing that reads every string.
  virtual std::optional<std::string> ReadIndex() = 0;
  virtual std::optional<PlatformError> WriteIndex(std::string_view bytes) = 0;
  virtual std::optional<PlatformError> AppendIndex(std::string_view header,
                                                   std::string_view lines) = 0;
  // Takes the hold on the folder for as long as this object lives; false when another running
  // program holds it. A program that was killed holds nothing.
  virtual bool TakeHold() = 0;
};

}  // namespace tarvik

#endif  // TARVIK_HISTORY_HISTORY_FOLDER_H_
