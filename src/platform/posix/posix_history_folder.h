// The history folder on POSIX systems: $XDG_DATA_HOME/Dorvex/Tarvik (~/.local/share when
// XDG_DATA_HOME is unset or not absolute). A string file is appended to with O_APPEND and each
// append waits for fdatasync; a new file's name is made durable with an fsync of its folder; the
// summary cache is written beside itself and renamed over; the hold is an flock on "lock", kept
// for the object's life and let go by the system when the program dies.
#ifndef TARVIK_PLATFORM_POSIX_POSIX_HISTORY_FOLDER_H_
#define TARVIK_PLATFORM_POSIX_POSIX_HISTORY_FOLDER_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/debug_log.h"
#include "history/history_folder.h"

namespace tarvik::posix {

// Tells `log` why a file or folder could not be made, read or written.
class PosixHistoryFolder final : public HistoryFolder {
 public:
  explicit PosixHistoryFolder(std::string path, const DebugLog& log = kNoDebugLog);
  ~PosixHistoryFolder() override;
  PosixHistoryFolder(const PosixHistoryFolder&) = delete;
  PosixHistoryFolder& operator=(const PosixHistoryFolder&) = delete;

  std::string Path() const override { return path_; }
  std::vector<HistoryEntry> ListStrings() override;
  std::optional<HistoryEntry> StatString(std::string_view name) override;
  std::optional<std::string> ReadString(std::string_view name) override;
  std::unique_ptr<HistoryFile> CreateString(std::string_view name, PlatformError& error) override;
  std::unique_ptr<HistoryFile> OpenString(std::string_view name, PlatformError& error) override;
  std::optional<PlatformError> MoveStringAside(std::string_view name) override;
  std::optional<std::string> ReadIndex() override;
  std::optional<PlatformError> WriteIndex(std::string_view bytes) override;
  std::optional<PlatformError> AppendIndex(std::string_view header,
                                           std::string_view lines) override;
  bool TakeHold() override;

 private:
  // The path of `name` in the subfolder, or nothing when the name would leave it.
  std::optional<std::string> StringPath(std::string_view name) const;
  std::unique_ptr<HistoryFile> Open(std::string_view name, int flags, PlatformError& error);
  // Logs the failure and hands it back.
  PlatformError Failed(std::string_view action, const std::string& subject,
                       const PlatformError& error) const;

  std::string path_;
  const DebugLog& log_;
  int lock_ = -1;  // the open "lock" file while this object holds the folder
};

// Where the user's history folder is, from the environment; empty when neither XDG_DATA_HOME nor
// HOME names a folder.
std::string UserHistoryPath();

}  // namespace tarvik::posix

#endif  // TARVIK_PLATFORM_POSIX_POSIX_HISTORY_FOLDER_H_
