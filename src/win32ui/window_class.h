// The window classes of the windows this front makes itself (the painted windows, the help
// window), registered once for the process; the system keeps them until it ends.
#ifndef TARVIK_WIN32UI_WINDOW_CLASS_H_
#define TARVIK_WIN32UI_WINDOW_CLASS_H_

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// Registers `name` with the arrow cursor and the system colour `background` (a COLOR_ value)
// unless it is registered already; false when it cannot be.
bool RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, UINT style, int background);

// The window procedure of a class whose windows each belong to an object of type T, given as the
// last argument of CreateWindowExW: the object learns its window (`hwnd_`) on WM_NCCREATE, and
// hears the window's messages through `Handle` for as long as it owns it. T befriends it.
template <typename T>
LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* made = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    made->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->hwnd_ != window) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

// Destroys a window this front made, also from inside one of its own messages: its procedure
// hears nothing more of the object that made it. `window` is null afterwards.
void DestroyOwnWindow(HWND& window);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WINDOW_CLASS_H_
