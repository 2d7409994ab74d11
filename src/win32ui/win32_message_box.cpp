#include "win32ui/win32_message_box.h"

#include "win32ui/wide_text.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

void Win32MessageBox::ShowMessage(std::string_view text, std::string_view caption) {
  MessageBoxW(owner_.hwnd(), Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), MB_OK);
}

}  // namespace tarvik::win32ui
