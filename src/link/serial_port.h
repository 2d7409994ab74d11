// The operating system's side of the serial link: opening a port configured for the instrument
// and moving bytes without ever waiting. Implemented for POSIX and for Win32.
#ifndef TARVIK_LINK_SERIAL_PORT_H_
#define TARVIK_LINK_SERIAL_PORT_H_

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/platform_error.h"

namespace tarvik {

// Why a port would not open: the system's error code and its text, which the user is shown.
using PortError = PlatformError;

// What a port's Read or Write gives instead of a count of bytes.
inline constexpr int kPortFailed = -1;  // this call failed; a later one may succeed
inline constexpr int kPortGone = -2;    // the device has gone away (a USB adapter pulled out):
                                        // no call on this port will succeed again

// An opened port. Reads return at once with what has arrived, possibly nothing.
class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Bytes read into `destination`, kPortFailed or kPortGone.
  virtual int Read(std::span<std::uint8_t> destination) = 0;
  // Bytes written, kPortFailed or kPortGone.
  virtual int Write(std::string_view bytes) = 0;
};

struct PortOpenResult {
  // The port as far as it was opened. It may be present even when a configuration step failed:
  // the device then stays held until the link is closed.
  std::unique_ptr<SerialPort> port;
  bool configured = false;  // every step succeeded: 9600 baud, 8N1, no XON/XOFF, DTR and RTS
  PortError error;          // of the failing step, when not configured
};

class SerialPlatform {
 public:
  virtual ~SerialPlatform() = default;
  virtual PortOpenResult OpenPort(std::string_view port_name) = 0;
  // The names of the serial ports present, for the user to choose from; `configured` is the
  // name currently set, listed too when it names a device that exists.
  virtual std::vector<std::string> EnumeratePorts(std::string_view configured) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_LINK_SERIAL_PORT_H_
