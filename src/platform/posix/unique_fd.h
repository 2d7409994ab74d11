// A file descriptor closed when it goes out of scope.
#ifndef TARVIK_PLATFORM_POSIX_UNIQUE_FD_H_
#define TARVIK_PLATFORM_POSIX_UNIQUE_FD_H_

#include <unistd.h>

#include <utility>

namespace tarvik::posix {

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Closes now and tells whether everything written reached the file system.
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

}  // namespace tarvik::posix

#endif  // TARVIK_PLATFORM_POSIX_UNIQUE_FD_H_
