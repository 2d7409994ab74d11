// The Windows device path of a port name. Plain C++, so that the rule is tested on every system.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_DEVICE_PATH_H_
#define TARVIK_PLATFORM_WIN32_WIN32_DEVICE_PATH_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvik::win32 {

// Size of the device path buffer, terminator included.
inline constexpr std::size_t kDevicePathSize = 20;

// The path CreateFileA opens: a name longer than 4 characters gets the "\\.\" prefix (COM10 and
// up need it), a shorter one stands alone. Empty when the result would not fit the buffer, which
// is the case for names of more than 15 characters.
std::string DevicePathForPortName(std::string_view port_name);

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_DEVICE_PATH_H_
