// The debug log: a line for every failure the program otherwise passes over in silence (a
// setting not written, a port that would not open or went away, a sound not played, a log line
// not written, a log the desktop could not show), saying what was tried, on what, and why in the
// system's words. It is off unless the user turns it on; the platform's services are handed it
// where they are made, and those made without one tell nobody.
#ifndef TARVIK_BASE_DEBUG_LOG_H_
#define TARVIK_BASE_DEBUG_LOG_H_

#include <string>
#include <string_view>

#include "base/platform_error.h"

namespace tarvik {

class DebugLog {
 public:
  virtual ~DebugLog() = default;
  // Writes one line, given without its line end. Const: a log changes nothing the program reads
  // back, and so the log that writes nothing can be a constant. Called from several threads at
  // once (a history's files are read on every core), each line whole.
  virtual void WriteLine(std::string_view line) const = 0;
};

class NullDebugLog final : public DebugLog {
 public:
  void WriteLine(std::string_view) const override {}
};

// The log of services made without one.
inline const NullDebugLog kNoDebugLog{};

// "tarvik: <action> <subject>: <why>", on one line whatever line breaks `why` holds.
void LogFailure(const DebugLog& log, std::string_view action, std::string_view subject,
                std::string_view why);
// The same with the system's text, followed by its code when it has one: "... denied (13)".
void LogFailure(const DebugLog& log, std::string_view action, std::string_view subject,
                const PlatformError& error);

// Where the user asked the log to go.
struct DebugLogTarget {
  bool on = false;
  std::string file;  // when on: appended to; empty for standard error
};

// From the value of the environment's TARVIK_DEBUG (null when it is unset) and the --debug
// switch: "1" or the switch ask for standard error; any value but "0" or empty names a file.
DebugLogTarget ChooseDebugLog(const char* environment, bool debug_switch);

}  // namespace tarvik

#endif  // TARVIK_BASE_DEBUG_LOG_H_
