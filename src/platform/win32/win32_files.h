// Files on Windows through the wide calls, their UTF-8 names made UTF-16: an append opens the
// file for writing with read and write shared (created when missing), writes at its end and
// closes it; a read shares reading.
// The text editor is NOTEPAD.EXE, started with the file's name in quotes and not waited for.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_FILES_H_
#define TARVIK_PLATFORM_WIN32_WIN32_FILES_H_

#include "base/debug_log.h"
#include "base/files.h"

namespace tarvik::win32 {

// Tells `log` why a file could not be written, read or deleted.
class Win32Files final : public Files {
 public:
  explicit Win32Files(const DebugLog& log = kNoDebugLog) : log_(log) {}

  bool Append(const std::string& path, std::string_view bytes) override;
  std::unique_ptr<FileReader> OpenForReading(const std::string& path) override;
  bool Delete(const std::string& path) override;
  bool ReplaceWhole(const std::string& path, std::string_view bytes) override;
  std::optional<PlatformError> WriteStreamed(
      const std::string& path,
      const std::function<bool(const PieceWriter& write)>& produce) override;

 private:
  const DebugLog& log_;
};

// Starts `command_line` as a process of its own, not waited for; false when it cannot start.
bool StartProcess(const std::string& command_line);

// Tells `log` why Notepad could not be started.
class NotepadViewer final : public TextFileViewer {
 public:
  explicit NotepadViewer(const DebugLog& log = kNoDebugLog) : log_(log) {}

  void ShowTextFile(const std::string& path, const Failed& failed) override;

 private:
  const DebugLog& log_;
};

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_FILES_H_
