// Serial ports on Linux and other POSIX systems: termios in raw mode at 9600 8N1, non-blocking
// reads, exclusive use of the device, DTR and RTS raised where the device has modem lines.
#ifndef TARVIK_PLATFORM_POSIX_POSIX_SERIAL_PORT_H_
#define TARVIK_PLATFORM_POSIX_POSIX_SERIAL_PORT_H_

#include <string>
#include <string_view>
#include <vector>

#include "base/debug_log.h"
#include "link/serial_port.h"

namespace tarvik::posix {

// Longest device path accepted, as for any file name the program keeps.
inline constexpr std::size_t kMaxDevicePathLength = 259;

// The device a port name stands for: a name that begins with "/" is a path as it stands;
// "COMn" means /dev/ttyS(n-1), as Windows-compatible tools on Linux map it; any other name is
// looked up under /dev/.
std::string DevicePathForPortName(std::string_view port_name);

// Tells `log` why a port would not open, and why one failed or was lost once open.
class PosixSerialPlatform final : public SerialPlatform {
 public:
  explicit PosixSerialPlatform(const DebugLog& log = kNoDebugLog) : log_(log) {}

  PortOpenResult OpenPort(std::string_view port_name) override;
  std::vector<std::string> EnumeratePorts(std::string_view configured) override;

 private:
  const DebugLog& log_;
};

}  // namespace tarvik::posix

#endif  // TARVIK_PLATFORM_POSIX_POSIX_SERIAL_PORT_H_
