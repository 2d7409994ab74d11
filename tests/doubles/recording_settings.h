// Keeps what the code under test writes into the settings store.
#ifndef TARVIK_TESTS_DOUBLES_RECORDING_SETTINGS_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_SETTINGS_H_

#include <map>
#include <string>

#include "base/number_text.h"
#include "doubles/event_log.h"
#include "settings/settings_writer.h"

namespace tarvik::testing {

class RecordingSettings : public SettingsWriter {
 public:
  explicit RecordingSettings(EventLog* log = nullptr) : log_(log) {}

  void WriteSettingText(std::string_view name, std::string_view text) override {
    Write(name, std::string(text));
  }
  void WriteSettingBool(std::string_view name, bool value) override {
    Write(name, value ? "TRUE" : "FALSE");
  }
  void WriteSettingDword(std::string_view name, std::int32_t value) override {
    Write(name, "dword " + FormatInt(value));
  }

  std::map<std::string, std::string, std::less<>> values;
  int writes = 0;

 private:
  void Write(std::string_view name, std::string value) {
    ++writes;
    if (log_ != nullptr) log_->Add("setting " + std::string(name) + "=" + value);
    values[std::string(name)] = std::move(value);
  }
  EventLog* log_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_SETTINGS_H_
