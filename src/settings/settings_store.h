// The user's settings store: reads with their defaults and writes at the moment a value changes.
// Texts are read only when stored as texts of at most 259 characters, numbers only when stored
// as 32-bit numbers; anything else, a missing value or a store that could not be opened gives
// the caller's default. Numbers are stored as texts but for the window placements; booleans are
// "TRUE" and "FALSE".
#ifndef TARVIK_SETTINGS_SETTINGS_STORE_H_
#define TARVIK_SETTINGS_SETTINGS_STORE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/app_settings.h"
#include "settings/setting_table.h"
#include "settings/settings_backend.h"
#include "settings/settings_writer.h"

namespace tarvik {

class SettingsStore final : public SettingsWriter {
 public:
  // Room for a text read, terminator included.
  static constexpr std::size_t kReadBufferSize = 260;

  // Without a backend (the store could not be opened) every read gives its default and every
  // write is lost.
  explicit SettingsStore(std::unique_ptr<SettingsBackend> backend) : backend_(std::move(backend)) {}

  // The stored text, or nothing when there is none that the rules accept.
  std::optional<std::string> ReadStoredText(std::string_view name);
  std::string ReadSettingText(std::string_view name, std::string_view default_text);
  // True when the text's first character is '1', 'T', 'Y', 't' or 'y'.
  bool ReadSettingBool(std::string_view name, bool default_value);
  std::int32_t ReadSettingDword(std::string_view name, std::int32_t default_value);

  void WriteSettingText(std::string_view name, std::string_view text) override;
  void WriteSettingBool(std::string_view name, bool value) override;
  void WriteSettingDword(std::string_view name, std::int32_t value) override;
  void BeginBatch() override;
  void EndBatch() override;
  void EndBatchDeferred() override;
  void WriteDeferred() override;

 private:
  std::unique_ptr<SettingsBackend> backend_;
};

// The store over the user's key or file, as the platform opened it (or failed to: null).
std::unique_ptr<SettingsStore> OpenSettingsStore(std::unique_ptr<SettingsBackend> backend);
void CloseSettingsStore(std::unique_ptr<SettingsStore>& store);

// Fills the settings (all but the window placements) and the last shot from the store, in the
// order of the settings table, each value with its default.
void LoadSettings(SettingsStore& store, AppSettings& settings, LastShot& last_shot);

// Reads a window's placement, each value with the one held in `placement` as its default.
void ReadWindowPlacement(SettingsStore& store, const setting::PlacementNames& names,
                         WindowPlacement& placement);
// Writes a window's frame as one change.
void WriteWindowPlacement(SettingsWriter& store, const setting::PlacementNames& names,
                          const WindowPlacement& frame);

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_SETTINGS_STORE_H_
