#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/posix/posix_error.h"

namespace tarvik::posix {
namespace {

class PosixFileReader final : public FileReader {
 public:
  PosixFileReader(int fd, std::string path, const DebugLog& log)
      : fd_(fd), path_(std::move(path)), log_(log) {}
  ~PosixFileReader() override { ::close(fd_); }
  PosixFileReader(const PosixFileReader&) = delete;
  PosixFileReader& operator=(const PosixFileReader&) = delete;

  long Read(std::span<char> destination) override {
    for (;;) {
      const ssize_t n = ::read(fd_, destination.data(), destination.size());
      if (n >= 0) return static_cast<long>(n);
      if (errno == EINTR) continue;
      LogFailure(log_, "read", path_, ErrnoError());
      return -1;
    }
  }

 private:
  int fd_;
  std::string path_;
  const DebugLog& log_;
};

// A full disk or a limit on the file's size lets a write put down only the start of a line. It
// is cut off again, so that the log never holds a torn line; but only while the file still ends
// where that write ended, so that a line another program appended before the check is kept.
bool TakeBackPartOfLine(int fd, ssize_t written) {
  const off_t end = ::lseek(fd, 0, SEEK_CUR);  // O_APPEND left it just after our bytes
  struct stat status {};
  return end >= written && ::fstat(fd, &status) == 0 && status.st_size == end &&
         ::ftruncate(fd, end - written) == 0;
}

// The bytes in one write, so that another writer's never splits them; why not, if they were not
// all written. A write cut short has taken `written` bytes.
std::optional<PlatformError> WriteOnce(int fd, std::string_view bytes, ssize_t& written) {
  do {
    written = ::write(fd, bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) return ErrnoError();
  if (written != static_cast<ssize_t>(bytes.size())) {
    return PlatformError{0, "only part of the bytes was written"};
  }
  return std::nullopt;
}

// Appends the line at the end of the regular file open as `fd`; why not, when it failed.
std::optional<PlatformError> AppendLine(int fd, std::string_view bytes) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return ErrnoError();
  if (!S_ISREG(status.st_mode)) return PlatformError{0, "not a regular file"};
  ssize_t written = 0;
  std::optional<PlatformError> failure = WriteOnce(fd, bytes, written);
  if (failure && written > 0) TakeBackPartOfLine(fd, written);
  return failure;
}

}  // namespace

bool PosixFiles::Failed(std::string_view action, const std::string& path,
                        const PlatformError& error) const {
  LogFailure(log_, action, path, error);
  return false;
}

bool PosixFiles::Append(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return Failed("append to", path, ErrnoError());
  std::optional<PlatformError> failure = AppendLine(fd, bytes);
  if (::close(fd) != 0 && !failure) failure = ErrnoError();
  return !failure || Failed("append to", path, *failure);
}

std::unique_ptr<FileReader> PosixFiles::OpenForReading(const std::string& path) {
  // Not blocking: a pipe in the file's place must not hold the program up.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    Failed("open for reading", path, ErrnoError());
    return nullptr;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    Failed("open for reading", path, PlatformError{0, "not a regular file"});
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixFileReader>(fd, path, log_);
}

bool PosixFiles::Delete(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || Failed("delete", path, ErrnoError());
}

bool PosixFiles::ReplaceWhole(const std::string& path, std::string_view bytes) {
  return !WriteStreamed(path, [bytes](const PieceWriter& write) { return write(bytes); });
}

std::optional<PlatformError> PosixFiles::WriteStreamed(
    const std::string& path, const std::function<bool(const PieceWriter& write)>& produce) {
  const std::string temporary = path + ".new";
  ::unlink(temporary.c_str());  // left by a save that was cut short
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    const PlatformError error = ErrnoError();
    Failed("create", temporary, error);
    return error;
  }
  std::optional<PlatformError> failure;
  const bool produced = produce([fd, &failure](std::string_view piece) {
    ssize_t written = 0;
    if (!failure && !piece.empty()) failure = WriteOnce(fd, piece, written);
    return !failure;
  });
  if (!failure && !produced) failure = PlatformError{0, "the file's content could not be made"};
  if (!failure && ::fdatasync(fd) != 0) failure = ErrnoError();
  if (::close(fd) != 0 && !failure) failure = ErrnoError();
  if (!failure && ::rename(temporary.c_str(), path.c_str()) == 0) return std::nullopt;
  if (!failure) failure = ErrnoError();
  ::unlink(temporary.c_str());
  Failed("put in place", path, *failure);
  return failure;
}

}  // namespace tarvik::posix
