// The history folder on Windows: %APPDATA%\Dorvex\Tarvik, through the wide calls so that any
// name the user's profile has works. A string file is appended to at its end and each append
// waits for FlushFileBuffers; a new file is made with CREATE_NEW; the summary cache is written
// beside itself and moved over with MOVEFILE_WRITE_THROUGH; the hold is "lock" opened without
// sharing, kept for the object's life and closed by the system when the program dies.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_HISTORY_FOLDER_H_
#define TARVIK_PLATFORM_WIN32_WIN32_HISTORY_FOLDER_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/debug_log.h"
#include "history/history_folder.h"

namespace tarvik::win32 {

// Tells `log` why a file or folder could not be made, read or written.
class Win32HistoryFolder final : public HistoryFolder {
 public:
  explicit Win32HistoryFolder(std::string path, const DebugLog& log = kNoDebugLog);
  ~Win32HistoryFolder() override;
  Win32HistoryFolder(const Win32HistoryFolder&) = delete;
  Win32HistoryFolder& operator=(const Win32HistoryFolder&) = delete;

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
  // The path of `name` in "strings", or nothing when the name would leave it.
  std::optional<std::string> StringPath(std::string_view name) const;
  std::unique_ptr<HistoryFile> Open(std::string_view name, unsigned long disposition,
                                    PlatformError& error);
  // Logs the failure and hands it back.
  PlatformError Failed(std::string_view action, const std::string& subject,
                       const PlatformError& error) const;

  std::string path_;
  const DebugLog& log_;
  void* lock_ = nullptr;  // the handle of "lock" while this object holds the folder
};

// Where the user's history folder is: the roaming application data folder, or %APPDATA% when the
// shell cannot tell; empty when neither names one.
std::string UserHistoryPath();

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_HISTORY_FOLDER_H_
