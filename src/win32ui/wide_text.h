// The program's texts are UTF-8; the wide Windows calls take UTF-16. The windows convert their
// texts as the platform layer converts its paths.
#ifndef TARVIK_WIN32UI_WIDE_TEXT_H_
#define TARVIK_WIN32UI_WIDE_TEXT_H_

#include <string>
#include <string_view>

#include "platform/win32/win32_wide_path.h"

namespace tarvik::win32ui {

inline std::wstring Utf8ToWide(std::string_view text) { return win32::WidePath(text); }
inline std::string WideToUtf8(std::wstring_view text) { return win32::Utf8Path(text); }

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIDE_TEXT_H_
