#include "platform/win32/win32_serial_port.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "base/number_text.h"
#include "platform/win32/win32_error_text.h"

namespace tarvik::win32 {
namespace {

constexpr DWORD kInputQueueSize = 100;
constexpr DWORD kOutputQueueSize = 10;
// Clears fBinary, fParity, fOutX, fInX and the high bits of the DTR and RTS control fields, then
// sets their low bits: both fields read "enable", so DTR and RTS stay on while the port is open.
constexpr DWORD kFlagsToClear = 0x2323;
constexpr DWORD kFlagsToSet = 0x1010;

class Win32SerialPort final : public SerialPort {
 public:
  Win32SerialPort(HANDLE handle, std::string name, const DebugLog& log)
      : handle_(handle), name_(std::move(name)), log_(log) {}
  ~Win32SerialPort() override { CloseHandle(handle_); }
  Win32SerialPort(const Win32SerialPort&) = delete;
  Win32SerialPort& operator=(const Win32SerialPort&) = delete;

  int Read(std::span<std::uint8_t> destination) override {
    DWORD read = 0;
    if (!ReadFile(handle_, destination.data(), static_cast<DWORD>(destination.size()), &read,
                  nullptr)) {
      return Failure("read from the serial port");
    }
    // An empty read is also what a port whose device has gone may give.
    if (read == 0 && !destination.empty() && !StillThere()) {
      LogFailure(log_, "read from the serial port", name_, Win32Error());
      return kPortGone;
    }
    return static_cast<int>(read);
  }

  int Write(std::string_view bytes) override {
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
      return Failure("write to the serial port");
    }
    return static_cast<int>(written);
  }

 private:
  // Asks the driver for the line's state, which also clears a line error: a port that aborts
  // on errors refuses every read and write until then. A device that has been removed (a USB
  // adapter pulled out) cannot answer; a driver that does not know the request is still there.
  bool StillThere() {
    DWORD errors = 0;
    COMSTAT status{};
    if (ClearCommError(handle_, &errors, &status)) return true;
    const DWORD reason = GetLastError();
    return reason == ERROR_INVALID_FUNCTION || reason == ERROR_NOT_SUPPORTED ||
           reason == ERROR_INVALID_PARAMETER;
  }
  int Failure(std::string_view action) {
    LogFailure(log_, action, name_, Win32Error());
    return StillThere() ? kPortFailed : kPortGone;
  }

  HANDLE handle_;
  std::string name_;
  const DebugLog& log_;
};

// The DCB's flag bits share one 32-bit word right after DCBlength and BaudRate.
static_assert(offsetof(DCB, BaudRate) == 4 && offsetof(DCB, wReserved) == 12,
              "the DCB's flag word must sit at bytes 8 to 11");
void ChangeFlagWord(DCB& dcb) {
  DWORD flags = 0;
  unsigned char* word = reinterpret_cast<unsigned char*>(&dcb) + 2 * sizeof(DWORD);
  std::memcpy(&flags, word, sizeof flags);
  flags &= ~kFlagsToClear;
  flags |= kFlagsToSet;
  std::memcpy(word, &flags, sizeof flags);
}

// Puts an opened port into the instrument's settings; why not, when a step failed.
std::optional<PlatformError> Configure(HANDLE handle) {
  if (!SetupComm(handle, kInputQueueSize, kOutputQueueSize)) return Win32Error();
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;  // with the rest 0: reads return at once
  if (!SetCommTimeouts(handle, &timeouts)) return Win32Error();
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(handle, &dcb)) return Win32Error();
  dcb.BaudRate = 9600;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  if (!SetCommState(handle, &dcb)) return Win32Error();
  ChangeFlagWord(dcb);
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  dcb.XonLim = 100;
  dcb.XoffLim = 100;
  if (!SetCommState(handle, &dcb)) return Win32Error();
  // Readings that waited in the driver from before the open are not this run's shots.
  PurgeComm(handle, PURGE_RXCLEAR);
  return std::nullopt;
}

}  // namespace

PortOpenResult Win32SerialPlatform::OpenPort(std::string_view port_name) {
  const std::string path = DevicePathForPortName(port_name);
  PortOpenResult result;
  if (path.empty() || path.find('\0') != std::string::npos) {
    result.error = Win32Error(path.empty() && !port_name.empty() ? ERROR_FILENAME_EXCED_RANGE
                                                                 : ERROR_FILE_NOT_FOUND);
  } else if (HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
             handle == INVALID_HANDLE_VALUE) {
    result.error = Win32Error();
  } else {
    // The handle stays with the link from here on, even when a later step fails.
    result.port = std::make_unique<Win32SerialPort>(handle, std::string(port_name), log_);
    std::optional<PlatformError> failure = Configure(handle);
    result.configured = !failure;
    if (failure) result.error = std::move(*failure);
  }
  if (!result.configured) LogFailure(log_, "open the serial port", port_name, result.error);
  return result;
}

std::vector<std::string> Win32SerialPlatform::EnumeratePorts(std::string_view configured) {
  auto exists = [](const std::string& name) {
    COMMCONFIG config{};
    DWORD size = sizeof config;
    return GetDefaultCommConfigA(name.c_str(), &config, &size) != FALSE;
  };
  std::vector<std::string> ports;
  for (int n = 1; n <= 40; ++n) {
    std::string name = "COM" + FormatInt(n);
    if (exists(name)) ports.push_back(std::move(name));
  }
  const std::string configured_name(configured);
  if (!configured_name.empty() && configured_name.find('\0') == std::string::npos &&
      std::find(ports.begin(), ports.end(), configured_name) == ports.end() &&
      exists(configured_name)) {
    ports.push_back(configured_name);
  }
  return ports;
}

}  // namespace tarvik::win32
