// The user's settings on Linux and other POSIX systems: one file per user in the registry
// editor's export format, $XDG_CONFIG_HOME/Dorvex/Tarvik.reg (~/.config when XDG_CONFIG_HOME is
// unset or empty).
//
// Every write re-reads the file under an advisory lock, changes only its own value and puts a
// complete new file in place of the old one (written beside it, flushed to the disk, renamed
// over it), so two running programs never undo each other's writes and a crash or a full disk
// leaves either the old file or the new one. A file that is not in the format at all, or is far
// larger (64 KiB, counted in bytes, UTF-16 or not) than a settings file ever is, is read as empty
// and moved aside to Tarvik.reg.bad before the first write makes a new one. A UTF-16 file stays
// UTF-16 (see RegFile).
//
// The writes of a batch (a shot's last-shot values) make one new file, so that they cost one
// flush to the disk, and the folder is not flushed after its rename: a power cut right after it
// may bring back the file of the shot before, never a torn one. Every other write is renamed
// durably, folder and all. A deferred batch's writes wait, the later of a value replacing the
// earlier, until WriteDeferred, the next write outside a batch, the end of the next batch, a
// read or the object's end.
#ifndef TARVIK_PLATFORM_POSIX_POSIX_SETTINGS_FILE_H_
#define TARVIK_PLATFORM_POSIX_POSIX_SETTINGS_FILE_H_

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/debug_log.h"
#include "settings/reg_file.h"
#include "settings/settings_backend.h"

namespace tarvik::posix {

// The registry key whose values are the program's settings.
inline constexpr std::string_view kSettingsKeyPath = "HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik";

// Tells `log` why a write did not reach the file.
class SettingsFile final : public SettingsBackend {
 public:
  explicit SettingsFile(std::string path, const DebugLog& log = kNoDebugLog)
      : path_(std::move(path)), log_(log) {}
  ~SettingsFile() override { WriteDeferred(); }
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  std::optional<SettingValue> QueryValue(std::string_view name) override;
  void SetText(std::string_view name, std::string_view text) override;
  void SetNumber(std::string_view name, std::uint32_t value) override;
  void BeginBatch() override { ++batch_depth_; }
  void EndBatch() override;
  void EndBatchDeferred() override;
  void WriteDeferred() override;

 private:
  // A value written to the file; false when it cannot stand there.
  struct Change {
    std::string name;
    std::function<bool(RegFile&)> apply;
  };
  // Applies the change to the file as it is now, or holds it until the batch ends.
  void Apply(Change change);
  // Applies the changes to the file as it is now; one that cannot stand there is left out.
  // False when the file was not written; the log has been told why.
  bool Update(const std::vector<Change>& changes, bool durable_rename);
  // Applies the changes to `file`, telling the log of each that cannot stand there; false when
  // none could.
  bool ApplyChanges(const std::vector<Change>& changes, RegFile& file,
                    const std::string& path) const;

  std::string path_;
  const DebugLog& log_;
  int batch_depth_ = 0;
  std::vector<Change> pending_;  // of the open batch, or of deferred ones
};

// Where the user's settings file is, from the environment; empty when neither XDG_CONFIG_HOME
// nor HOME names a folder.
std::string UserSettingsPath();

// The user's settings file, or nothing when there is no place for one (`log` is told so).
std::unique_ptr<SettingsBackend> OpenUserSettings(const DebugLog& log = kNoDebugLog);

}  // namespace tarvik::posix

#endif  // TARVIK_PLATFORM_POSIX_POSIX_SETTINGS_FILE_H_
