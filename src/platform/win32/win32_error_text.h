// The system's own text for a Windows error code.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_ERROR_TEXT_H_
#define TARVIK_PLATFORM_WIN32_WIN32_ERROR_TEXT_H_

#include <windows.h>

#include <string>

namespace tarvik::win32 {

// FormatMessage's text for `code` in the system's language, cut at 200 characters.
std::string SystemErrorText(DWORD code);

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_ERROR_TEXT_H_
