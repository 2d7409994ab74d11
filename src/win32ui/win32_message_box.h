// Message boxes with an OK button, or Yes and No, over the main window.
#ifndef TARVIK_WIN32UI_WIN32_MESSAGE_BOX_H_
#define TARVIK_WIN32UI_WIN32_MESSAGE_BOX_H_

#include "base/message_box.h"
#include "win32ui/win32_dialog.h"

namespace tarvik::win32ui {

class Win32MessageBox final : public MessageBoxView {
 public:
  explicit Win32MessageBox(const Win32Dialog& owner) : owner_(owner) {}
  void ShowMessage(std::string_view text, std::string_view caption) override;
  bool AskYesNo(std::string_view question, std::string_view caption) override;

 private:
  const Win32Dialog& owner_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_MESSAGE_BOX_H_
