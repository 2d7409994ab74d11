// The debug log as the user turns it on: written to standard error, or appended to a file. Plain
// C++, the same on every system.
#ifndef TARVIK_PLATFORM_STREAM_DEBUG_LOG_H_
#define TARVIK_PLATFORM_STREAM_DEBUG_LOG_H_

#include <memory>
#include <mutex>
#include <ostream>
#include <string_view>

#include "base/debug_log.h"

namespace tarvik {

class StreamDebugLog final : public DebugLog {
 public:
  explicit StreamDebugLog(std::ostream& out) : out_(&out) {}
  explicit StreamDebugLog(std::unique_ptr<std::ostream> owned)
      : owned_(std::move(owned)), out_(owned_.get()) {}

  // Each line is flushed at once, so that a program that ends abruptly has told all it knew.
  // Lines written from several threads at once come whole, one after another.
  void WriteLine(std::string_view line) const override;

 private:
  std::unique_ptr<std::ostream> owned_;
  std::ostream* out_;
  mutable std::mutex mutex_;
};

// The log `target` asks for: none, standard error, or the file, appended to. A file that cannot
// be opened leaves the log on standard error, which says so first.
std::unique_ptr<DebugLog> OpenDebugLog(const DebugLogTarget& target);

}  // namespace tarvik

#endif  // TARVIK_PLATFORM_STREAM_DEBUG_LOG_H_
