#include "win32ui/message_loop.h"

#include <cwchar>

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {
namespace {

// True when the top-level window is a dialog (the dialog manager's class "#32770").
bool IsDialogWindow(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wcscmp(name, L"#32770") == 0;
}

}  // namespace

void RunMessageLoop(const bool& done, HWND window, HACCEL accelerators) {
  MSG message;
  while (!done) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (accelerators != nullptr && root != nullptr && root == window &&
        TranslateAcceleratorW(window, accelerators, &message)) {
      continue;
    }
    if (root != nullptr && IsDialogWindow(root) && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace tarvik::win32ui
