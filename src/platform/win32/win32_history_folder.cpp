#include "platform/win32/win32_history_folder.h"

#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <utility>

#include "base/number_text.h"
#include "platform/win32/win32_error_text.h"
#include "platform/win32/win32_wide_path.h"

namespace tarvik::win32 {
namespace {

class UniqueHandle {
 public:
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  ~UniqueHandle() {
    if (ok()) CloseHandle(handle_);
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// Writes all of `bytes` at the end of the file (an offset of all ones appends in one step, as
// O_APPEND does), going on after a write the system cut short.
std::optional<PlatformError> WriteAtEnd(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    OVERLAPPED at_end{};
    at_end.Offset = at_end.OffsetHigh = 0xFFFFFFFF;
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &at_end)) {
      return Win32Error();
    }
    if (written == 0) return Win32Error(ERROR_DISK_FULL);
    bytes.remove_prefix(written);
  }
  return std::nullopt;
}

// The whole of a file; nothing, with the last error set, when it cannot be read.
std::optional<std::string> ReadWhole(const std::string& path) {
  const UniqueHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return std::nullopt;
  std::string bytes;
  char buffer[64 * 1024];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
    if (read == 0) return bytes;
    bytes.append(buffer, read);
  }
  return std::nullopt;
}

// Makes the folder and the ones above it that are missing; only the last one's failure counts,
// since a drive or a share above it cannot be made and need not be.
std::optional<PlatformError> MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find_first_of("\\/"); slash != std::string::npos;
       slash = path.find_first_of("\\/", slash + 1)) {
    if (slash > 0) CreateDirectoryW(WidePath(path.substr(0, slash)).c_str(), nullptr);
  }
  if (CreateDirectoryW(WidePath(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
    return std::nullopt;
  }
  return Win32Error();
}

bool IsTaken(DWORD code) { return code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS; }

// "2026-12-07_093005.csv" with "-2", "-3" ... before ".csv" from the second attempt on.
std::string WithAttempt(std::string_view name, int attempt) {
  if (attempt == 1) return std::string(name);
  const std::size_t dot = name.ends_with(".csv") ? name.size() - 4 : name.size();
  return std::string(name.substr(0, dot)) + "-" + FormatInt(attempt) +
         std::string(name.substr(dot));
}

class Win32HistoryFile final : public HistoryFile {
 public:
  Win32HistoryFile(HANDLE file, std::string path, const DebugLog& log)
      : file_(file), path_(std::move(path)), log_(log) {}

  std::optional<PlatformError> AppendDurably(std::string_view bytes) override {
    std::optional<PlatformError> error = WriteAtEnd(file_.get(), bytes);
    if (!error && !FlushFileBuffers(file_.get())) error = Win32Error();
    if (error) LogFailure(log_, "append to", path_, *error);
    return error;
  }

  std::optional<PlatformError> Truncate(std::int64_t size) override {
    LARGE_INTEGER at{};
    at.QuadPart = size;
    if (SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN) && SetEndOfFile(file_.get()) &&
        FlushFileBuffers(file_.get())) {
      return std::nullopt;
    }
    const PlatformError error = Win32Error();
    LogFailure(log_, "cut back", path_, error);
    return error;
  }

  std::int64_t Size() override {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file_.get(), &size) ? size.QuadPart : -1;
  }

 private:
  UniqueHandle file_;
  std::string path_;
  const DebugLog& log_;
};

}  // namespace

Win32HistoryFolder::Win32HistoryFolder(std::string path, const DebugLog& log)
    : path_(std::move(path)), log_(log) {}

Win32HistoryFolder::~Win32HistoryFolder() {
  if (lock_ != nullptr) CloseHandle(lock_);
}

std::vector<HistoryEntry> Win32HistoryFolder::ListStrings() {
  std::vector<HistoryEntry> entries;
  const std::string folder = path_ + "\\strings\\";
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(WidePath(folder + "*.csv").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::string name = Utf8Path(found.cFileName);
    if (!name.ends_with(".csv")) continue;
    if (auto entry = StatString(name)) entries.push_back(std::move(*entry));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

// The entry a search finds may lag behind a file another handle is writing: the file's own
// attributes do not.
std::optional<HistoryEntry> Win32HistoryFolder::StatString(std::string_view name) {
  const std::optional<std::string> path = StringPath(name);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!path || !GetFileAttributesExW(WidePath(*path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return HistoryEntry{
      std::string(name),
      static_cast<std::int64_t>((std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow),
      static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                data.ftLastWriteTime.dwLowDateTime)};
}

std::optional<std::string> Win32HistoryFolder::ReadString(std::string_view name) {
  const std::optional<std::string> path = StringPath(name);
  if (!path) return std::nullopt;
  std::optional<std::string> bytes = ReadWhole(*path);
  if (!bytes) Failed("read", *path, Win32Error());
  return bytes;
}

std::unique_ptr<HistoryFile> Win32HistoryFolder::CreateString(std::string_view name,
                                                              PlatformError& error) {
  if (std::optional<PlatformError> failure = MakeFolders(path_ + "\\strings")) {
    error = Failed("make", path_ + "\\strings", *failure);
    return nullptr;
  }
  // The file system keeps its names in its journal: a new name needs no sync of its own.
  return Open(name, CREATE_NEW, error);
}

std::unique_ptr<HistoryFile> Win32HistoryFolder::OpenString(std::string_view name,
                                                            PlatformError& error) {
  return Open(name, OPEN_EXISTING, error);
}

std::unique_ptr<HistoryFile> Win32HistoryFolder::Open(std::string_view name,
                                                      unsigned long disposition,
                                                      PlatformError& error) {
  const std::optional<std::string> path = StringPath(name);
  if (!path) {
    error = Win32Error(ERROR_INVALID_NAME);
    return nullptr;
  }
  // Writing too, not only appending, so that a torn record can be cut off; every write goes to
  // the end all the same. Others may read it, append to it (a new name for the current string)
  // and move it aside meanwhile, as on POSIX.
  HANDLE file = CreateFileW(WidePath(*path).c_str(), FILE_APPEND_DATA | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = Win32Error();
    // An existing name is the caller's cue to try the next one, not a failure to tell.
    if (!IsTaken(static_cast<DWORD>(error.code))) Failed("open", *path, error);
    return nullptr;
  }
  return std::make_unique<Win32HistoryFile>(file, *path, log_);
}

std::optional<PlatformError> Win32HistoryFolder::MoveStringAside(std::string_view name) {
  const std::optional<std::string> from = StringPath(name);
  if (!from) return Win32Error(ERROR_INVALID_NAME);
  const std::string folder = path_ + "\\deleted";
  if (std::optional<PlatformError> failure = MakeFolders(folder)) {
    return Failed("make", folder, *failure);
  }
  for (int attempt = 1;; ++attempt) {
    const std::string to = folder + "\\" + WithAttempt(name, attempt);
    // Never over a string deleted before under the same name.
    if (MoveFileExW(WidePath(*from).c_str(), WidePath(to).c_str(), MOVEFILE_WRITE_THROUGH)) break;
    if (!IsTaken(GetLastError())) return Failed("move aside", *from, Win32Error());
  }
  return std::nullopt;
}

std::optional<std::string> Win32HistoryFolder::ReadIndex() {
  const std::string path = path_ + "\\index.csv";
  std::optional<std::string> bytes = ReadWhole(path);
  const DWORD code = GetLastError();
  if (!bytes && code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) {
    Failed("read", path, Win32Error(code));
  }
  return bytes;
}

std::optional<PlatformError> Win32HistoryFolder::WriteIndex(std::string_view bytes) {
  if (std::optional<PlatformError> failure = MakeFolders(path_)) {
    return Failed("make", path_, *failure);
  }
  const std::string path = path_ + "\\index.csv";
  const std::string temporary = path + ".new";
  std::optional<PlatformError> failure;
  {
    const UniqueHandle file(CreateFileW(WidePath(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return Failed("create", temporary, Win32Error());
    failure = WriteAtEnd(file.get(), bytes);
  }
  if (!failure && !MoveFileExW(WidePath(temporary).c_str(), WidePath(path).c_str(),
                               MOVEFILE_REPLACE_EXISTING)) {
    failure = Win32Error();
  }
  if (!failure) return std::nullopt;
  DeleteFileW(WidePath(temporary).c_str());
  return Failed("replace", path, *failure);
}

std::optional<PlatformError> Win32HistoryFolder::AppendIndex(std::string_view header,
                                                             std::string_view lines) {
  if (std::optional<PlatformError> failure = MakeFolders(path_)) {
    return Failed("make", path_, *failure);
  }
  const std::string path = path_ + "\\index.csv";
  // Shared as the reads of it are.
  const UniqueHandle file(CreateFileW(WidePath(path).c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.ok() || !GetFileSizeEx(file.get(), &size)) return Failed("open", path, Win32Error());
  std::string bytes;
  if (size.QuadPart == 0) bytes = header;
  bytes += lines;
  if (std::optional<PlatformError> failure = WriteAtEnd(file.get(), bytes)) {
    return Failed("append to", path, *failure);
  }
  return std::nullopt;
}

bool Win32HistoryFolder::TakeHold() {
  if (lock_ != nullptr) return true;
  const std::string path = path_ + "\\lock";
  if (std::optional<PlatformError> failure = MakeFolders(path_)) {
    Failed("make", path_, *failure);
    return true;  // with no lock file to hold, nothing shows another program
  }
  HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code == ERROR_SHARING_VIOLATION) return false;
    Failed("open", path, Win32Error(code));
    return true;
  }
  lock_ = file;
  return true;
}

std::optional<std::string> Win32HistoryFolder::StringPath(std::string_view name) const {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of(std::string_view("\\/:\0", 4)) != std::string_view::npos) {
    return std::nullopt;
  }
  return path_ + "\\strings\\" + std::string(name);
}

PlatformError Win32HistoryFolder::Failed(std::string_view action, const std::string& subject,
                                         const PlatformError& error) const {
  LogFailure(log_, action, subject, error);
  return error;
}

std::string UserHistoryPath() {
  std::string folder;
  PWSTR known = nullptr;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known) == S_OK) {
    folder = Utf8Path(known);
  }
  CoTaskMemFree(known);
  if (folder.empty()) {
    const DWORD size = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    std::wstring value(size, L'\0');
    if (size > 1 && GetEnvironmentVariableW(L"APPDATA", value.data(), size) == size - 1) {
      value.resize(size - 1);
      folder = Utf8Path(value);
    }
  }
  return folder.empty() ? std::string() : folder + "\\Dorvex\\Tarvik";
}

}  // namespace tarvik::win32
