// The system's own text for a Windows error code, and the error as the platform interfaces
// carry it.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_ERROR_TEXT_H_
#define TARVIK_PLATFORM_WIN32_WIN32_ERROR_TEXT_H_

#include <windows.h>

#include <string>

#include "base/platform_error.h"

namespace tarvik::win32 {

// FormatMessage's text for `code` in the system's language, cut at 200 characters.
std::string SystemErrorText(DWORD code);

// The code with its text; by default the calling thread's last error.
PlatformError Win32Error(DWORD code = GetLastError());

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_ERROR_TEXT_H_
