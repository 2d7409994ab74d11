#include "platform/win32/win32_error_text.h"

namespace tarvik::win32 {

std::string SystemErrorText(DWORD code) {
  constexpr DWORD kSystemTextSize = 200;
  char text[kSystemTextSize] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, kSystemTextSize, nullptr);
  return std::string(text, length);
}

PlatformError Win32Error(DWORD code) {
  return PlatformError{static_cast<int>(code), SystemErrorText(code)};
}

}  // namespace tarvik::win32
