// A settings backend in memory: named values compared without regard to case, the spelling of
// the first write kept, as the registry and the settings file do.
#ifndef TARVIK_TESTS_DOUBLES_MEMORY_SETTINGS_H_
#define TARVIK_TESTS_DOUBLES_MEMORY_SETTINGS_H_

#include <cctype>
#include <map>
#include <string>

#include "settings/settings_backend.h"

namespace tarvik::testing {

class MemorySettings : public SettingsBackend {
 public:
  std::optional<SettingValue> QueryValue(std::string_view name) override {
    auto it = values.find(Fold(name));
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void SetText(std::string_view name, std::string_view text) override {
    ++writes;
    values[Fold(name)] = {SettingValue::Type::kText, std::string(text), 0};
  }
  void SetNumber(std::string_view name, std::uint32_t value) override {
    ++writes;
    values[Fold(name)] = {SettingValue::Type::kNumber, "", value};
  }
  static std::string Fold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
  }

  std::map<std::string, SettingValue> values;
  int writes = 0;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_MEMORY_SETTINGS_H_
