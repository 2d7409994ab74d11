#include "platform/posix/posix_serial_port.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "base/number_text.h"
#include "platform/posix/posix_error.h"

namespace tarvik::posix {
namespace {

class PosixSerialPort final : public SerialPort {
 public:
  PosixSerialPort(int fd, std::string path, const DebugLog& log)
      : fd_(fd), path_(std::move(path)), log_(log) {}
  ~PosixSerialPort() override {
    // The exclusive mode outlives our descriptor while the other end keeps the terminal open
    // (a pseudo-terminal's instrument side always does): clear it, or nobody but root could
    // open the port again. Closing drops the lock.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
  }
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  int Read(std::span<std::uint8_t> destination) override {
    const ssize_t n = ::read(fd_, destination.data(), destination.size());
    if (n > 0) return static_cast<int>(n);
    // With nothing arrived a read fails with EAGAIN (the descriptor does not block and the line
    // asks for one byte); the end of the file comes only once the terminal has hung up, as it
    // does when the adapter is pulled out or the other end of a pseudo-terminal goes.
    if (n == 0) {
      if (destination.empty()) return 0;
      LogFailure(log_, "read from the serial port", path_, "the line has hung up");
      return kPortGone;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
    return Failure("read from the serial port");
  }

  int Write(std::string_view bytes) override {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    return n >= 0 ? static_cast<int>(n) : Failure("write to the serial port");
  }

 private:
  // A device that has gone answers with one of these; anything else may pass.
  int Failure(std::string_view action) {
    const int code = errno;
    LogFailure(log_, action, path_, ErrnoError(code));
    return code == EIO || code == ENXIO || code == ENODEV ? kPortGone : kPortFailed;
  }

  int fd_;
  std::string path_;
  const DebugLog& log_;
};

// Puts the line into the instrument's settings. Returns 0 or the errno of the failing step.
int ConfigureLine(int fd) {
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return errno;
  ::cfmakeraw(&tio);
  ::cfsetispeed(&tio, B9600);
  ::cfsetospeed(&tio, B9600);
  // No hardware handshake either: the instrument does not take part in one.
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
  // Reads return at once with what has arrived, since the descriptor does not block; with at
  // least one byte asked for, an empty line is EAGAIN and only a hung-up line reads as its end.
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (::tcsetattr(fd, TCSANOW, &tio) != 0) return errno;

  // Raise DTR and RTS. A pseudo-terminal has no modem lines; that is no reason to fail.
  int lines = TIOCM_DTR | TIOCM_RTS;
  if (::ioctl(fd, TIOCMBIS, &lines) != 0 && errno != ENOTTY) return errno;
  // Start with an empty input queue, as a freshly opened serial port has: readings that
  // waited in the line's buffer from before the open are not this run's shots.
  if (::tcflush(fd, TCIFLUSH) != 0) return errno;
  return 0;
}

// Takes the port for this program alone and configures it. Returns 0 or the errno of the failing
// step.
int TakeAndConfigure(int fd) {
  if (!::isatty(fd)) return ENOTTY;
  // Another program (or another link of ours) holds the port.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK ? EBUSY : errno;
  if (::ioctl(fd, TIOCEXCL) != 0) return errno;
  return ConfigureLine(fd);
}

}  // namespace

std::string DevicePathForPortName(std::string_view port_name) {
  if (!port_name.empty() && port_name.front() == '/') return std::string(port_name);
  if (port_name.size() > 3 && port_name.substr(0, 3) == "COM") {
    const std::string_view digits = port_name.substr(3);
    unsigned number = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec == std::errc() && end == digits.data() + digits.size() && number >= 1 &&
        digits.front() != '0') {
      return "/dev/ttyS" + FormatInt(number - 1);
    }
  }
  return "/dev/" + std::string(port_name);
}

PortOpenResult PosixSerialPlatform::OpenPort(std::string_view port_name) {
  const std::string path = DevicePathForPortName(port_name);
  PortOpenResult result;
  // A name the path buffer cannot hold, or one with a zero byte that would cut the path short
  // and open another device, is refused before anything is opened.
  if (path.size() > kMaxDevicePathLength) {
    result.error = ErrnoError(ENAMETOOLONG);
  } else if (port_name.empty() || path.find('\0') != std::string::npos) {
    result.error = ErrnoError(ENOENT);
  } else if (const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
             fd < 0) {
    result.error = ErrnoError();
  } else {
    result.port = std::make_unique<PosixSerialPort>(fd, path, log_);
    const int failure = TakeAndConfigure(fd);
    result.configured = failure == 0;
    if (failure != 0) result.error = ErrnoError(failure);
  }
  if (!result.configured) LogFailure(log_, "open the serial port", path, result.error);
  return result;
}

}  // namespace tarvik::posix
