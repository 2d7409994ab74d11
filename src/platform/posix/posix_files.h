// Files on POSIX systems. An append opens the file with O_APPEND, so that two writers never
// interleave inside a line, and closes it again; nothing is locked, so other programs read and
// write the file meanwhile. A line that a full disk lets only in part is cut off again.
#ifndef TARVIK_PLATFORM_POSIX_POSIX_FILES_H_
#define TARVIK_PLATFORM_POSIX_POSIX_FILES_H_

#include "base/debug_log.h"
#include "base/files.h"

namespace tarvik::posix {

// Tells `log` why a file could not be written, read or deleted.
class PosixFiles final : public Files {
 public:
  explicit PosixFiles(const DebugLog& log = kNoDebugLog) : log_(log) {}

  bool Append(const std::string& path, std::string_view bytes) override;
  std::unique_ptr<FileReader> OpenForReading(const std::string& path) override;
  bool Delete(const std::string& path) override;
  bool ReplaceWhole(const std::string& path, std::string_view bytes) override;
  std::optional<PlatformError> WriteStreamed(
      const std::string& path,
      const std::function<bool(const PieceWriter& write)>& produce) override;

 private:
  // Tells the log and returns false.
  bool Failed(std::string_view action, const std::string& path, const PlatformError& error) const;

  const DebugLog& log_;
};

}  // namespace tarvik::posix

#endif  // TARVIK_PLATFORM_POSIX_POSIX_FILES_H_
