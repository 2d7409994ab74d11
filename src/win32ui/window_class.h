// The window classes of the windows this front makes itself (the painted windows, the help
// window), registered once for the process; the system keeps them until it ends.
#ifndef TARVIK_WIN32UI_WINDOW_CLASS_H_
#define TARVIK_WIN32UI_WINDOW_CLASS_H_

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// Registers `name` with the arrow cursor and the system colour `background` (a COLOR_ value)
// unless it is registered already; false when it cannot be.
bool RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, UINT style, int background);

// Destroys a window this front made, also from inside one of its own messages: its procedure
// hears nothing more of the object that made it. `window` is null afterwards.
void DestroyOwnWindow(HWND& window);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WINDOW_CLASS_H_
