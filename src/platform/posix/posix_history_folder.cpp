#include "platform/posix/posix_history_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "base/number_text.h"
#include "platform/posix/posix_error.h"
#include "platform/posix/unique_fd.h"
#include "platform/posix/xdg_folder.h"

namespace tarvik::posix {
namespace {

// Writes all of `bytes`, going on after a write the system cut short; the first failure's error.
std::optional<PlatformError> WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return ErrnoError();
    if (written == 0) return PlatformError{ENOSPC, ErrnoError(ENOSPC).text};
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

// The whole of a regular file; nothing, with errno set, when it cannot be read.
std::optional<std::string> ReadWhole(const std::string& path) {
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat status {};
  if (!fd.ok() || ::fstat(fd.get(), &status) != 0) return std::nullopt;
  if (!S_ISREG(status.st_mode)) {
    errno = EINVAL;
    return std::nullopt;
  }
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

// Makes the names in a folder durable: a file made, renamed into or out of it.
std::optional<PlatformError> SyncFolder(const std::string& path) {
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.ok() || ::fsync(fd.get()) != 0) return ErrnoError();
  return std::nullopt;
}

// Makes the folder and the ones above it that are missing, each made durable in the one above
// it, so that a power cut cannot take a synced file's folder away. A relative or empty path is
// refused: without a home folder the history would land in the working folder or at the root,
// and so is every name in a folder of such a path.
std::optional<PlatformError> MakeFolders(const std::string& path) {
  if (!path.starts_with('/')) return PlatformError{ENOENT, "the history has no folder here"};
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (::mkdir(part.c_str(), 0777) == 0) {
      if (auto failure = SyncFolder(part.substr(0, std::max<std::size_t>(part.rfind('/'), 1)))) {
        return failure;
      }
    } else if (errno != EEXIST) {
      return ErrnoError();
    }
    if (slash == std::string::npos) return std::nullopt;
  }
}

// "2026-12-07_093005.csv" with "-2", "-3" ... before ".csv" from the second attempt on.
std::string WithAttempt(std::string_view name, int attempt) {
  if (attempt == 1) return std::string(name);
  const std::size_t dot = name.ends_with(".csv") ? name.size() - 4 : name.size();
  return std::string(name.substr(0, dot)) + "-" + FormatInt(attempt) +
         std::string(name.substr(dot));
}

// A string file's entry, by its path from the folder `at`; nothing when it is no regular file.
std::optional<HistoryEntry> EntryAt(int at, const char* path) {
  struct stat status {};
  if (::fstatat(at, path, &status, 0) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  const std::string_view name = path;
  return HistoryEntry{
      std::string(name.substr(name.rfind('/') + 1)), static_cast<std::int64_t>(status.st_size),
      static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

class PosixHistoryFile final : public HistoryFile {
 public:
  PosixHistoryFile(int fd, std::string path, const DebugLog& log)
      : fd_(fd), path_(std::move(path)), log_(log) {}

  std::optional<PlatformError> AppendDurably(std::string_view bytes) override {
    std::optional<PlatformError> error = WriteAll(fd_.get(), bytes);
    if (!error && ::fdatasync(fd_.get()) != 0) error = ErrnoError();
    if (error) LogFailure(log_, "append to", path_, *error);
    return error;
  }

  std::optional<PlatformError> Truncate(std::int64_t size) override {
    if (::ftruncate(fd_.get(), static_cast<off_t>(size)) == 0 && ::fdatasync(fd_.get()) == 0) {
      return std::nullopt;
    }
    const PlatformError error = ErrnoError();
    LogFailure(log_, "cut back", path_, error);
    return error;
  }

  std::int64_t Size() override {
    struct stat status {};
    return ::fstat(fd_.get(), &status) == 0 ? static_cast<std::int64_t>(status.st_size) : -1;
  }

 private:
  UniqueFd fd_;
  std::string path_;
  const DebugLog& log_;
};

}  // namespace

PosixHistoryFolder::PosixHistoryFolder(std::string path, const DebugLog& log)
    : path_(std::move(path)), log_(log) {}

PosixHistoryFolder::~PosixHistoryFolder() {
  if (lock_ >= 0) ::close(lock_);
}

std::vector<HistoryEntry> PosixHistoryFolder::ListStrings() {
  std::vector<HistoryEntry> entries;
  if (!path_.starts_with('/')) return entries;
  const std::string folder = path_ + "/strings";
  DIR* directory = ::opendir(folder.c_str());
  if (directory == nullptr) {
    if (errno != ENOENT) Failed("list", folder, ErrnoError());
    return entries;
  }
  while (const dirent* entry = ::readdir(directory)) {
    const std::string_view name = entry->d_name;
    if (!name.ends_with(".csv")) continue;
    if (auto found = EntryAt(::dirfd(directory), entry->d_name)) entries.push_back(*found);
  }
  ::closedir(directory);
  return entries;
}

std::optional<HistoryEntry> PosixHistoryFolder::StatString(std::string_view name) {
  const std::optional<std::string> path = StringPath(name);
  if (!path) return std::nullopt;
  return EntryAt(AT_FDCWD, path->c_str());
}

std::optional<std::string> PosixHistoryFolder::ReadString(std::string_view name) {
  const std::optional<std::string> path = StringPath(name);
  if (!path) return std::nullopt;
  std::optional<std::string> bytes = ReadWhole(*path);
  if (!bytes) Failed("read", *path, ErrnoError());
  return bytes;
}

std::unique_ptr<HistoryFile> PosixHistoryFolder::CreateString(std::string_view name,
                                                              PlatformError& error) {
  if (std::optional<PlatformError> failure =
          StringPath(name) ? MakeFolders(path_ + "/strings") : MakeFolders(path_)) {
    error = Failed("make", path_ + "/strings", *failure);
    return nullptr;
  }
  std::unique_ptr<HistoryFile> file = Open(name, O_CREAT | O_EXCL, error);
  if (file) {
    if (std::optional<PlatformError> failure = SyncFolder(path_ + "/strings")) {
      error = Failed("sync", path_ + "/strings", *failure);
      // Not kept half made: the next try makes it again under the same name.
      if (const auto path = StringPath(name)) ::unlink(path->c_str());
      return nullptr;
    }
  }
  return file;
}

std::unique_ptr<HistoryFile> PosixHistoryFolder::OpenString(std::string_view name,
                                                            PlatformError& error) {
  return Open(name, 0, error);
}

std::unique_ptr<HistoryFile> PosixHistoryFolder::Open(std::string_view name, int flags,
                                                      PlatformError& error) {
  const std::optional<std::string> path = StringPath(name);
  if (!path) {
    error = ErrnoError(EINVAL);
    return nullptr;
  }
  const int fd = ::open(path->c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | flags, 0666);
  if (fd < 0) {
    error = ErrnoError();
    // An existing name is the caller's cue to try the next one, not a failure to tell.
    if (error.code != EEXIST) Failed("open", *path, error);
    return nullptr;
  }
  return std::make_unique<PosixHistoryFile>(fd, *path, log_);
}

std::optional<PlatformError> PosixHistoryFolder::MoveStringAside(std::string_view name) {
  const std::optional<std::string> from = StringPath(name);
  if (!from) return ErrnoError(EINVAL);
  const std::string folder = path_ + "/deleted";
  if (std::optional<PlatformError> failure = MakeFolders(folder)) {
    return Failed("make", folder, *failure);
  }
  for (int attempt = 1;; ++attempt) {
    const std::string to = folder + "/" + WithAttempt(name, attempt);
    // Never over a string deleted before under the same name.
    if (::renameat2(AT_FDCWD, from->c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) break;
    if (errno != EEXIST) return Failed("move aside", *from, ErrnoError());
  }
  std::optional<PlatformError> failure = SyncFolder(folder);
  if (!failure) failure = SyncFolder(path_ + "/strings");
  if (failure) return Failed("sync", folder, *failure);
  return std::nullopt;
}

std::optional<std::string> PosixHistoryFolder::ReadIndex() {
  const std::string path = path_ + "/index.csv";
  std::optional<std::string> bytes = ReadWhole(path);
  if (!bytes && errno != ENOENT) Failed("read", path, ErrnoError());
  return bytes;
}

std::optional<PlatformError> PosixHistoryFolder::WriteIndex(std::string_view bytes) {
  if (std::optional<PlatformError> failure = MakeFolders(path_)) {
    return Failed("make", path_, *failure);
  }
  const std::string path = path_ + "/index.csv";
  // A name of this program's own: another program listing or exporting at the same moment writes
  // a whole cache of its own, and the last rename wins.
  const std::string temporary = path + "." + FormatInt(::getpid()) + ".new";
  std::optional<PlatformError> failure;
  {
    const UniqueFd fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!fd.ok()) return Failed("create", temporary, ErrnoError());
    failure = WriteAll(fd.get(), bytes);
  }
  if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0) failure = ErrnoError();
  if (!failure) return std::nullopt;
  ::unlink(temporary.c_str());
  return Failed("replace", path, *failure);
}

std::optional<PlatformError> PosixHistoryFolder::AppendIndex(std::string_view header,
                                                             std::string_view lines) {
  if (std::optional<PlatformError> failure = MakeFolders(path_)) {
    return Failed("make", path_, *failure);
  }
  const std::string path = path_ + "/index.csv";
  const UniqueFd fd(
      ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
  struct stat status {};
  if (!fd.ok() || ::fstat(fd.get(), &status) != 0) return Failed("open", path, ErrnoError());
  std::string bytes;
  if (status.st_size == 0) bytes = header;
  bytes += lines;
  if (std::optional<PlatformError> failure = WriteAll(fd.get(), bytes)) {
    return Failed("append to", path, *failure);
  }
  return std::nullopt;
}

bool PosixHistoryFolder::TakeHold() {
  if (lock_ >= 0) return true;
  const std::string path = path_ + "/lock";
  std::optional<PlatformError> failure = MakeFolders(path_);
  // Open to read only: an flock needs no more, and a file open to write would keep the file
  // system from being made read-only.
  const int fd = failure ? -1 : ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    // With no lock file to hold, nothing shows another program: go on as the only one.
    Failed("open", path, failure.value_or(ErrnoError()));
    return true;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held_elsewhere = errno == EWOULDBLOCK;
    if (!held_elsewhere) Failed("lock", path, ErrnoError());
    ::close(fd);
    return !held_elsewhere;
  }
  lock_ = fd;
  return true;
}

std::optional<std::string> PosixHistoryFolder::StringPath(std::string_view name) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos ||
      name.find('\0') != std::string_view::npos || !path_.starts_with('/')) {
    return std::nullopt;
  }
  return path_ + "/strings/" + std::string(name);
}

PlatformError PosixHistoryFolder::Failed(std::string_view action, const std::string& subject,
                                         const PlatformError& error) const {
  LogFailure(log_, action, subject, error);
  return error;
}

std::string UserHistoryPath() {
  const std::string folder = XdgFolder("XDG_DATA_HOME", ".local/share");
  return folder.empty() ? folder : folder + "/Dorvex/Tarvik";
}

}  // namespace tarvik::posix
