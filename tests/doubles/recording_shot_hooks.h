// Records the calls a shot makes into the settings store, big display, log and statistics.
#ifndef TARVIK_TESTS_DOUBLES_RECORDING_SHOT_HOOKS_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_SHOT_HOOKS_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "doubles/event_log.h"
#include "link/shot_hooks.h"

namespace tarvik::testing {

class RecordingShotHooks : public ShotHooks {
 public:
  explicit RecordingShotHooks(EventLog* log = nullptr) : log_(log) {}

  void WriteSettingText(std::string_view name, std::string_view text) override {
    settings[std::string(name)] = std::string(text);
    Log("setting " + std::string(name) + "=" + std::string(text));
  }
  void InvalidateBigDisplay() override {
    ++big_display_repaints;
    Log("big display");
  }
  void AppendLogLine(double velocity, double energy) override {
    log_lines.emplace_back(velocity, energy);
    Log("log " + FormatFixed(velocity, 2) + "," + FormatFixed(energy, 2));
  }
  void NotifyStatistics() override {
    ++statistics_notices;
    Log("statistics");
  }

  std::map<std::string, std::string> settings;
  std::vector<std::pair<double, double>> log_lines;
  int big_display_repaints = 0;
  int statistics_notices = 0;

 private:
  void Log(std::string event) {
    if (log_ != nullptr) log_->Add(std::move(event));
  }
  EventLog* log_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_SHOT_HOOKS_H_
