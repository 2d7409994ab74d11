// A settings backend in memory: named values compared without regard to case, the spelling of the
// first write kept, as the registry and the settings file do; it notes the names asked for and
// the batches.
#ifndef TARVIK_TESTS_DOUBLES_MEMORY_SETTINGS_H_
#define TARVIK_TESTS_DOUBLES_MEMORY_SETTINGS_H_

#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_backend.h"

namespace tarvik::testing {

class MemorySettings : public SettingsBackend {
 public:
  std::optional<SettingValue> QueryValue(std::string_view name) override {
    queried.emplace_back(name);
    const auto it = values.find(Fold(name));
    return it == values.end() ? std::nullopt : std::optional(it->second);
  }
  void SetText(std::string_view name, std::string_view text) override {
    ++writes;
    values[Fold(name)] = {SettingValue::Type::kText, std::string(text), 0};
    spellings.try_emplace(Fold(name), name);
  }
  void SetNumber(std::string_view name, std::uint32_t value) override {
    ++writes;
    values[Fold(name)] = {SettingValue::Type::kNumber, "", value};
    spellings.try_emplace(Fold(name), name);
  }
  void BeginBatch() override { ++batches_begun; }
  void EndBatch() override { ++batches_ended; }
  void EndBatchDeferred() override { ++batches_deferred; }
  void WriteDeferred() override { ++deferred_writes; }
  static std::string Fold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
  }

  std::map<std::string, SettingValue> values;    // by folded name
  std::map<std::string, std::string> spellings;  // the first write's name, by folded name
  std::vector<std::string> queried;              // every name asked for, in order
  int writes = 0;
  int batches_begun = 0, batches_ended = 0, batches_deferred = 0;
  int deferred_writes = 0;  // WriteDeferred calls
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_MEMORY_SETTINGS_H_
