// The writes into the user's settings store, for the code that changes a setting: each value is
// written at the moment it changes, and a failed write is ignored (the value in memory has
// changed all the same).
#ifndef TARVIK_SETTINGS_SETTINGS_WRITER_H_
#define TARVIK_SETTINGS_SETTINGS_WRITER_H_

#include <cstdint>
#include <string_view>

namespace tarvik {

class SettingsWriter {
 public:
  virtual ~SettingsWriter() = default;
  virtual void WriteSettingText(std::string_view name, std::string_view text) = 0;
  // Stored as the text "TRUE" or "FALSE".
  virtual void WriteSettingBool(std::string_view name, bool value) = 0;
  virtual void WriteSettingDword(std::string_view name, std::int32_t value) = 0;

  // Writes made between the two may reach the store together, as one change, when the batch
  // ends. For writes made microseconds apart, where a store pays for each change.
  virtual void BeginBatch() {}
  virtual void EndBatch() {}
  // Ends a batch whose writes may wait for WriteDeferred, the next write or batch, a read or the
  // store's closing, whichever comes first: for the values written at every shot, so that where
  // the store pays for a change it pays once the shot is shown.
  virtual void EndBatchDeferred() { EndBatch(); }
  virtual void WriteDeferred() {}
};

// A batch of writes for the lifetime of a scope.
class SettingsBatch {
 public:
  enum class End { kNow, kDeferred };

  explicit SettingsBatch(SettingsWriter& writer, End end = End::kNow) : writer_(writer), end_(end) {
    writer_.BeginBatch();
  }
  ~SettingsBatch() {
    if (end_ == End::kDeferred) {
      writer_.EndBatchDeferred();
    } else {
      writer_.EndBatch();
    }
  }
  SettingsBatch(const SettingsBatch&) = delete;
  SettingsBatch& operator=(const SettingsBatch&) = delete;

 private:
  SettingsWriter& writer_;
  End end_;
};

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_SETTINGS_WRITER_H_
