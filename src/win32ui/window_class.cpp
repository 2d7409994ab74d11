#include "win32ui/window_class.h"

#include <utility>

namespace tarvik::win32ui {

bool RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, UINT style, int background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, name, &existing)) return true;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = style;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

void DestroyOwnWindow(HWND& window) {
  if (window == nullptr) return;
  HWND destroyed = std::exchange(window, nullptr);
  SetWindowLongPtrW(destroyed, GWLP_USERDATA, 0);
  DestroyWindow(destroyed);
}

}  // namespace tarvik::win32ui
