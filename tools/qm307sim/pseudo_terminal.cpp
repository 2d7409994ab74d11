#include "qm307sim/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <utility>

#include "qm307sim/error_text.h"

namespace tarvik::sim {
namespace {

// Closes the descriptors it holds unless released, so that every failed step cleans up.
class FdGuard {
 public:
  explicit FdGuard(int fd) : fd_(fd) {}
  ~FdGuard() {
    if (fd_ >= 0) close(fd_);
  }
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  int get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool SetFdFlags(int fd, bool non_blocking) {
  const int status = fcntl(fd, F_GETFL);
  if (status < 0 || fcntl(fd, F_SETFL, non_blocking ? status | O_NONBLOCK : status) < 0) {
    return false;
  }
  // Programs the simulator's user starts must not inherit the instrument's end.
  const int descriptor = fcntl(fd, F_GETFD);
  return descriptor >= 0 && fcntl(fd, F_SETFD, descriptor | FD_CLOEXEC) >= 0;
}

bool MakeRaw(int fd) {
  termios settings{};
  if (tcgetattr(fd, &settings) != 0) return false;
  cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD;
  cfsetispeed(&settings, B9600);
  cfsetospeed(&settings, B9600);
  return tcsetattr(fd, TCSANOW, &settings) == 0;
}

}  // namespace

std::unique_ptr<PseudoTerminal> PseudoTerminal::Open(std::string* error) {
  auto fail = [error](const char* step) -> std::unique_ptr<PseudoTerminal> {
    SetError(error, SystemText(step));
    return nullptr;
  };
  FdGuard master(posix_openpt(O_RDWR | O_NOCTTY));
  if (master.get() < 0) return fail("posix_openpt");
  if (!SetFdFlags(master.get(), /*non_blocking=*/true)) return fail("fcntl on the master");
  if (grantpt(master.get()) != 0) return fail("grantpt");
  if (unlockpt(master.get()) != 0) return fail("unlockpt");
  char name[128];
  if (ptsname_r(master.get(), name, sizeof name) != 0) return fail("ptsname_r");
  FdGuard slave(open(name, O_RDWR | O_NOCTTY));
  if (slave.get() < 0) return fail("open of the slave");
  if (!SetFdFlags(slave.get(), /*non_blocking=*/false)) return fail("fcntl on the slave");
  if (!MakeRaw(slave.get())) return fail("raw mode on the slave");
  const int master_fd = master.Release();
  const int slave_fd = slave.Release();
  return std::unique_ptr<PseudoTerminal>(new PseudoTerminal(master_fd, slave_fd, name));
}

PseudoTerminal::PseudoTerminal(int master_fd, int slave_fd, std::string device_path)
    : master_fd_(master_fd), slave_fd_(slave_fd), device_path_(std::move(device_path)) {}

std::size_t PseudoTerminal::Unread() const {
  int count = 0;
  return ioctl(slave_fd_, FIONREAD, &count) == 0 && count > 0 ? static_cast<std::size_t>(count) : 0;
}

void PseudoTerminal::DiscardUnread() { tcflush(slave_fd_, TCIFLUSH); }

PseudoTerminal::~PseudoTerminal() {
  close(slave_fd_);
  close(master_fd_);
}

}  // namespace tarvik::sim
