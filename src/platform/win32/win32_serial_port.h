// Serial ports on Windows through the communications API.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_SERIAL_PORT_H_
#define TARVIK_PLATFORM_WIN32_WIN32_SERIAL_PORT_H_

#include <string>
#include <string_view>
#include <vector>

#include "link/serial_port.h"

namespace tarvik::win32 {

// Size of the device path buffer, terminator included.
inline constexpr std::size_t kDevicePathSize = 20;

// The path CreateFileA opens: a name longer than 4 characters gets the "\\.\" prefix (COM10 and
// up need it), a shorter one stands alone. Empty when the result would not fit the buffer.
std::string DevicePathForPortName(std::string_view port_name);

class Win32SerialPlatform final : public SerialPlatform {
 public:
  PortOpenResult OpenPort(std::string_view port_name) override;
  // "COM1" to "COM40", each probed with GetDefaultCommConfigA.
  std::vector<std::string> EnumeratePorts(std::string_view configured) override;
};

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_SERIAL_PORT_H_
