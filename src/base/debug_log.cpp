#include "base/debug_log.h"

#include "base/ascii.h"
#include "base/number_text.h"

namespace tarvik {
namespace {

// The text on one line: the line ends Windows puts after its messages go, and each line break
// inside becomes a blank.
std::string OneLine(std::string_view text) {
  const auto is_line_end = [](char c) { return c == kCarriageReturn || c == kLineFeed; };
  while (!text.empty() && is_line_end(text.back())) text.remove_suffix(1);
  std::string line;
  bool after_line_end = false;
  for (const char c : text) {
    if (!is_line_end(c)) {
      line += c;
    } else if (!after_line_end) {
      line += ' ';
    }
    after_line_end = is_line_end(c);
  }
  return line;
}

}  // namespace

void LogFailure(const DebugLog& log, std::string_view action, std::string_view subject,
                std::string_view why) {
  std::string line = "tarvik: ";
  line.append(action).append(" ").append(subject).append(": ").append(OneLine(why));
  log.WriteLine(line);
}

void LogFailure(const DebugLog& log, std::string_view action, std::string_view subject,
                const PlatformError& error) {
  std::string why = OneLine(error.text);
  if (error.code != 0) {
    const std::string code = FormatInt(error.code);
    why = why.empty() ? "error " + code : why + " (" + code + ")";
  }
  LogFailure(log, action, subject, why);
}

DebugLogTarget ChooseDebugLog(const char* environment, bool debug_switch) {
  const std::string_view value = environment == nullptr ? "" : environment;
  if (value.empty() || value == "0" || value == "1") return {debug_switch || value == "1", {}};
  return {true, std::string(value)};
}

}  // namespace tarvik
