#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tarvik::posix {
namespace {

class PosixFileReader final : public FileReader {
 public:
  explicit PosixFileReader(int fd) : fd_(fd) {}
  ~PosixFileReader() override { ::close(fd_); }
  PosixFileReader(const PosixFileReader&) = delete;
  PosixFileReader& operator=(const PosixFileReader&) = delete;

  long Read(std::span<char> destination) override {
    for (;;) {
      const ssize_t n = ::read(fd_, destination.data(), destination.size());
      if (n >= 0 || errno != EINTR) return static_cast<long>(n);
    }
  }

 private:
  int fd_;
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

}  // namespace

bool PosixFiles::Append(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return false;
  struct stat status {};
  bool written = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  if (written) {
    // One write, so that the line is never split by another writer's.
    ssize_t n;
    do {
      n = ::write(fd, bytes.data(), bytes.size());
    } while (n < 0 && errno == EINTR);
    written = n == static_cast<ssize_t>(bytes.size());
    if (n > 0 && !written) TakeBackPartOfLine(fd, n);
  }
  return ::close(fd) == 0 && written;
}

std::unique_ptr<FileReader> PosixFiles::OpenForReading(const std::string& path) {
  // Not blocking: a pipe in the file's place must not hold the program up.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixFileReader>(fd);
}

bool PosixFiles::Delete(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool PosixFiles::ReplaceWhole(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".new";
  ::unlink(temporary.c_str());  // left by a save that was cut short
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool written = bytes.empty() ||
                 ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  written = ::fdatasync(fd) == 0 && written;
  written = ::close(fd) == 0 && written;
  if (written && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace tarvik::posix
