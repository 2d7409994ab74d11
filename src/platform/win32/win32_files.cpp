#include "platform/win32/win32_files.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_error_text.h"
#include "platform/win32/win32_wide_path.h"

namespace tarvik::win32 {
namespace {

class Win32FileReader final : public FileReader {
 public:
  Win32FileReader(HANDLE file, std::string path, const DebugLog& log)
      : file_(file), path_(std::move(path)), log_(log) {}
  ~Win32FileReader() override { CloseHandle(file_); }
  Win32FileReader(const Win32FileReader&) = delete;
  Win32FileReader& operator=(const Win32FileReader&) = delete;

  long Read(std::span<char> destination) override {
    DWORD read = 0;
    if (!ReadFile(file_, destination.data(), static_cast<DWORD>(destination.size()), &read,
                  nullptr)) {
      LogFailure(log_, "read", path_, Win32Error());
      return -1;
    }
    return static_cast<long>(read);
  }

 private:
  HANDLE file_;
  std::string path_;
  const DebugLog& log_;
};

// A full disk may let a write put down only the start of a line. It is cut off again, so that
// the log never holds a torn line; but only while the file still ends where that write ended, so
// that a line another program appended before the check is kept.
bool TakeBackPartOfLine(HANDLE file, DWORD written) {
  LARGE_INTEGER end{}, size{};
  if (!SetFilePointerEx(file, LARGE_INTEGER{}, &end, FILE_CURRENT) || !GetFileSizeEx(file, &size) ||
      size.QuadPart != end.QuadPart || end.QuadPart < written) {
    return false;
  }
  LARGE_INTEGER start{};
  start.QuadPart = end.QuadPart - written;
  return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

// Tells the log why `action` on `path` failed, with the last error, and returns false.
bool LogLastError(const DebugLog& log, std::string_view action, const std::string& path) {
  LogFailure(log, action, path, Win32Error());
  return false;
}

}  // namespace

bool Win32Files::Append(const std::string& path, std::string_view bytes) {
  HANDLE file =
      CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LogLastError(log_, "append to", path);
  // An offset of all ones writes at the end of the file as one step, as O_APPEND does, so that
  // two programs appending at once never write over each other's line.
  OVERLAPPED at_end{};
  at_end.Offset = at_end.OffsetHigh = 0xFFFFFFFF;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &at_end) &&
      written == bytes.size();
  if (!ok) LogLastError(log_, "append to", path);
  if (!ok && written > 0) TakeBackPartOfLine(file, written);
  CloseHandle(file);
  return ok;
}

std::unique_ptr<FileReader> Win32Files::OpenForReading(const std::string& path) {
  // Others may go on appending meanwhile, as they may on POSIX.
  HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    LogLastError(log_, "open for reading", path);
    return nullptr;
  }
  return std::make_unique<Win32FileReader>(file, path, log_);
}

bool Win32Files::Delete(const std::string& path) {
  return DeleteFileW(WidePath(path).c_str()) != 0 || LogLastError(log_, "delete", path);
}

bool Win32Files::ReplaceWhole(const std::string& path, std::string_view bytes) {
  return !WriteStreamed(path, [bytes](const PieceWriter& write) { return write(bytes); });
}

std::optional<PlatformError> Win32Files::WriteStreamed(
    const std::string& path, const std::function<bool(const PieceWriter& write)>& produce) {
  const std::string temporary = path + ".new";
  HANDLE file = CreateFileW(WidePath(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    LogLastError(log_, "create", temporary);
    return PlatformError{static_cast<int>(code), SystemErrorText(code)};
  }
  DWORD failed = ERROR_SUCCESS;
  const bool produced = produce([file, &failed](std::string_view piece) {
    DWORD written = 0;
    if (failed == ERROR_SUCCESS && !piece.empty() &&
        !(WriteFile(file, piece.data(), static_cast<DWORD>(piece.size()), &written, nullptr) &&
          written == piece.size())) {
      failed = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
    }
    return failed == ERROR_SUCCESS;
  });
  if (failed == ERROR_SUCCESS && !produced) failed = ERROR_CANCELLED;
  if (failed == ERROR_SUCCESS && !FlushFileBuffers(file)) failed = GetLastError();
  if (!CloseHandle(file) && failed == ERROR_SUCCESS) failed = GetLastError();
  if (failed == ERROR_SUCCESS && MoveFileExW(WidePath(temporary).c_str(), WidePath(path).c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return std::nullopt;
  }
  if (failed == ERROR_SUCCESS) failed = GetLastError();
  SetLastError(failed);
  LogLastError(log_, "put in place", path);
  DeleteFileW(WidePath(temporary).c_str());
  return PlatformError{static_cast<int>(failed), SystemErrorText(failed)};
}

bool StartProcess(const std::string& command_line) {
  // CreateProcessW may write into the command line, so it gets a copy of its own; the line is
  // UTF-8, as the file's name in it is.
  std::wstring line = WidePath(command_line);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void NotepadViewer::ShowTextFile(const std::string& path, const Failed& failed) {
  if (StartProcess("NOTEPAD.EXE \"" + path + "\"")) return;
  const std::string why = "NOTEPAD.EXE: " + SystemErrorText(GetLastError());
  LogFailure(log_, "show", path, why);
  failed(why);
}

}  // namespace tarvik::win32
