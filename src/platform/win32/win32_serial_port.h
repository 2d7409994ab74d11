// Serial ports on Windows through the communications API.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_SERIAL_PORT_H_
#define TARVIK_PLATFORM_WIN32_WIN32_SERIAL_PORT_H_

#include <string>
#include <string_view>
#include <vector>

#include "base/debug_log.h"
#include "link/serial_port.h"
#include "platform/win32/win32_device_path.h"

namespace tarvik::win32 {

// Tells `log` why a port would not open, and why one failed or was lost once open.
class Win32SerialPlatform final : public SerialPlatform {
 public:
  explicit Win32SerialPlatform(const DebugLog& log = kNoDebugLog) : log_(log) {}

  PortOpenResult OpenPort(std::string_view port_name) override;
  // "COM1" to "COM40", each probed with GetDefaultCommConfigA.
  std::vector<std::string> EnumeratePorts(std::string_view configured) override;

 private:
  const DebugLog& log_;
};

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_SERIAL_PORT_H_
