// Lists the serial ports present through libudev: terminal devices that sit on real hardware
// (USB adapters, modems, on-board UARTs), not the virtual consoles.
#include <fcntl.h>
#include <libudev.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/posix_serial_port.h"

namespace tarvik::posix {
namespace {

struct UdevDeleter {
  void operator()(udev* u) const { udev_unref(u); }
  void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
  void operator()(udev_device* d) const { udev_device_unref(d); }
};

// The kernel registers a ttyS device for every UART slot it knows, present or not; only a
// slot whose UART type is known is a port.
bool IsPresentUart(const std::string& node) {
  const int fd = ::open(node.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EBUSY;  // in exclusive use, by us or another program
  serial_struct info{};
  const bool present = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
  ::close(fd);
  return present;
}

bool IsTerminalDevice(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return false;
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EBUSY;  // held by someone else, yet a terminal
  const bool terminal = ::isatty(fd) != 0;
  ::close(fd);
  return terminal;
}

std::vector<std::string> HardwareTerminals() {
  std::vector<std::string> nodes;
  std::unique_ptr<udev, UdevDeleter> context(udev_new());
  if (!context) return nodes;
  std::unique_ptr<udev_enumerate, UdevDeleter> enumerate(udev_enumerate_new(context.get()));
  if (!enumerate) return nodes;
  udev_enumerate_add_match_subsystem(enumerate.get(), "tty");
  udev_enumerate_scan_devices(enumerate.get());
  for (udev_list_entry* entry = udev_enumerate_get_list_entry(enumerate.get()); entry != nullptr;
       entry = udev_list_entry_get_next(entry)) {
    std::unique_ptr<udev_device, UdevDeleter> device(
        udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
    if (!device) continue;
    const char* node = udev_device_get_devnode(device.get());
    // Virtual terminals have no parent device; hardware ports do.
    if (node == nullptr || udev_device_get_parent(device.get()) == nullptr) continue;
    const std::string path = node;
    if (path.rfind("/dev/ttyS", 0) == 0 && !IsPresentUart(path)) continue;
    nodes.push_back(path);
  }
  return nodes;
}

}  // namespace

std::vector<std::string> PosixSerialPlatform::EnumeratePorts(std::string_view configured) {
  std::vector<std::string> ports = HardwareTerminals();
  std::sort(ports.begin(), ports.end());
  // The configured port is listed under the name it is configured by, so that it can be shown
  // as the one chosen; a pseudo-terminal (the simulator's) or a link to a device stays
  // selectable that way too.
  if (!configured.empty()) {
    const std::string path = DevicePathForPortName(configured);
    auto listed = std::find(ports.begin(), ports.end(), path);
    if (listed != ports.end()) {
      *listed = std::string(configured);
    } else if (IsTerminalDevice(path)) {
      ports.push_back(std::string(configured));
    }
  }
  return ports;
}

}  // namespace tarvik::posix
