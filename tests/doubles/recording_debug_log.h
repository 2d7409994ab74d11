// A debug log that keeps its lines for the test to read.
#ifndef TARVIK_TESTS_DOUBLES_RECORDING_DEBUG_LOG_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_DEBUG_LOG_H_

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "base/debug_log.h"

namespace tarvik::testing {

class RecordingDebugLog : public DebugLog {
 public:
  void WriteLine(std::string_view line) const override {
    const std::lock_guard lock(mutex_);
    lines.emplace_back(line);
  }

  mutable std::vector<std::string> lines;

 private:
  mutable std::mutex mutex_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_DEBUG_LOG_H_
