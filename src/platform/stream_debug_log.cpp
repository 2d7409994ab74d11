#include "platform/stream_debug_log.h"

#include <fstream>
#include <iostream>

namespace tarvik {

void StreamDebugLog::WriteLine(std::string_view line) const {
  const std::lock_guard lock(mutex_);
  *out_ << line << '\n';
  out_->flush();
}

std::unique_ptr<DebugLog> OpenDebugLog(const DebugLogTarget& target) {
  if (!target.on) return std::make_unique<NullDebugLog>();
  if (target.file.empty()) return std::make_unique<StreamDebugLog>(std::cerr);
  auto file = std::make_unique<std::ofstream>(target.file, std::ios::app);
  if (file->is_open()) return std::make_unique<StreamDebugLog>(std::move(file));
  auto log = std::make_unique<StreamDebugLog>(std::cerr);
  LogFailure(*log, "open the debug log", target.file, "it cannot be written; writing here instead");
  return log;
}

}  // namespace tarvik
