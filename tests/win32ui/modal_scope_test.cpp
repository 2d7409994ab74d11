// A message box over the main window leaves the windows beside it without input until it is
// answered, so they cannot be closed under it; afterwards they take input again. A hidden window
// is left as it is.
#include "win32ui/modal_scope.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tarvik::win32ui {
namespace {

struct Windows {
  HWND main = nullptr;
  HWND beside = nullptr;
  HWND hidden = nullptr;
  bool beside_enabled_during = true;
};
constexpr wchar_t kWindowsProperty[] = L"tarvik.test.windows";

HWND TopLevel(const wchar_t* text, HWND owner, bool visible) {
  return CreateWindowExW(0, L"STATIC", text, WS_OVERLAPPED | (visible ? WS_VISIBLE : 0), 0, 0, 100,
                         50, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The message box the thread shows, once it is up: the dialog class's visible window.
HWND ShownBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Runs inside the box's loop: looks at the windows, then answers the box.
void CALLBACK LookAndAnswer(HWND main_window, UINT, UINT_PTR timer, DWORD) {
  auto* windows = static_cast<Windows*>(GetPropW(main_window, kWindowsProperty));
  HWND box = ShownBox();
  if (windows == nullptr || box == nullptr) return;
  KillTimer(main_window, timer);
  windows->beside_enabled_during = IsWindowEnabled(windows->beside) != FALSE;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(ModalScopeTest, TheWindowsBesideTakeNoInputWhileAMessageBoxIsUp) {
  Windows windows;
  windows.main = TopLevel(L"main", nullptr, true);
  windows.beside = TopLevel(L"table", windows.main, true);
  windows.hidden = TopLevel(L"hidden", windows.main, false);
  SetPropW(windows.main, kWindowsProperty, &windows);
  SetTimer(windows.main, 1, 50, LookAndAnswer);

  MessageBoxW(windows.main, L"Delete?", L"Tarvik", MB_OK);  // the system's own: only main
  EXPECT_TRUE(windows.beside_enabled_during) << "the box alone leaves the table usable";

  SetTimer(windows.main, 1, 50, LookAndAnswer);
  {
    const ModalScope modal(windows.main);
    MessageBoxW(windows.main, L"Delete?", L"Tarvik", MB_OK);
  }
  EXPECT_FALSE(windows.beside_enabled_during);
  EXPECT_TRUE(IsWindowEnabled(windows.beside));
  EXPECT_TRUE(IsWindowEnabled(windows.main));
  EXPECT_TRUE(IsWindowEnabled(windows.hidden));
  RemovePropW(windows.main, kWindowsProperty);
  DestroyWindow(windows.main);
}

}  // namespace
}  // namespace tarvik::win32ui
