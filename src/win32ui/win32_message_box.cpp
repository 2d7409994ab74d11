#include "win32ui/win32_message_box.h"

#include "win32ui/modal_scope.h"
#include "win32ui/wide_text.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

void Win32MessageBox::ShowMessage(std::string_view text, std::string_view caption) {
  const ModalScope modal(owner_.hwnd());
  MessageBoxW(owner_.hwnd(), Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), MB_OK);
}

bool Win32MessageBox::AskYesNo(std::string_view question, std::string_view caption) {
  const ModalScope modal(owner_.hwnd());
  return MessageBoxW(owner_.hwnd(), Utf8ToWide(question).c_str(), Utf8ToWide(caption).c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace tarvik::win32ui
