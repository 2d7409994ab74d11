#include "platform/win32/win32_device_path.h"

namespace tarvik::win32 {

std::string DevicePathForPortName(std::string_view port_name) {
  std::string path = port_name.size() > 4 ? "\\\\.\\" : "";
  path.append(port_name);
  if (path.size() > kDevicePathSize - 1) return {};
  return path;
}

}  // namespace tarvik::win32
