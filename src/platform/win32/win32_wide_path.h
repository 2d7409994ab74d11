// Paths as the wide Windows calls take them: the program's paths are UTF-8, the system's UTF-16,
// so that a name in any language reaches the file system as the user wrote it.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_WIDE_PATH_H_
#define TARVIK_PLATFORM_WIN32_WIN32_WIDE_PATH_H_

#include <string>
#include <string_view>

namespace tarvik::win32 {

std::wstring WidePath(std::string_view utf8);
std::string Utf8Path(std::wstring_view wide);

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_WIDE_PATH_H_
