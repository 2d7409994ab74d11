// The program's texts are UTF-8; the wide Windows calls take UTF-16.
#ifndef TARVIK_WIN32UI_WIDE_TEXT_H_
#define TARVIK_WIN32UI_WIDE_TEXT_H_

#include <string>
#include <string_view>

namespace tarvik::win32ui {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIDE_TEXT_H_
