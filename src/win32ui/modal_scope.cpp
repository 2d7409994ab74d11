#include "win32ui/modal_scope.h"

namespace tarvik::win32ui {

ModalScope::ModalScope(HWND owner) : owner_(owner) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto& scope = *reinterpret_cast<ModalScope*>(param);
        if (window != scope.owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
          scope.disabled_.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
  for (HWND window : disabled_) EnableWindow(window, FALSE);
}

ModalScope::~ModalScope() {
  for (HWND window : disabled_) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}

}  // namespace tarvik::win32ui
