// Where the user's settings live: one set of named values per user that survives between runs,
// names compared without regard to case, each value a text, a 32-bit number or something else.
// The Windows registry and a registry-format file on other systems implement it.
#ifndef TARVIK_SETTINGS_SETTINGS_BACKEND_H_
#define TARVIK_SETTINGS_SETTINGS_BACKEND_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

struct SettingValue {
  enum class Type { kText, kNumber, kOther };

  Type type = Type::kOther;
  std::string text;          // kText: the stored text, without a terminator
  std::uint32_t number = 0;  // kNumber
};

class SettingsBackend {
 public:
  virtual ~SettingsBackend() = default;
  // The named value, or nothing when there is none or it cannot be read.
  virtual std::optional<SettingValue> QueryValue(std::string_view name) = 0;
  // Each write reaches the store before it returns, or inside a batch when the batch ends; a
  // failed write is dropped, and the backend tells its debug log why.
  virtual void SetText(std::string_view name, std::string_view text) = 0;
  virtual void SetNumber(std::string_view name, std::uint32_t value) = 0;
  virtual void BeginBatch() {}
  virtual void EndBatch() {}
  // As SettingsWriter's: a batch whose writes may wait for WriteDeferred.
  virtual void EndBatchDeferred() { EndBatch(); }
  virtual void WriteDeferred() {}
};

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_SETTINGS_BACKEND_H_
