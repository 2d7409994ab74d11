// The screen's resolution as a window of a program aware of each monitor's sees it. The program
// declares itself so in its manifest: Windows then draws it at every monitor's own resolution
// instead of stretching it, and a window's sizes in pixels are the device's. Dialogs follow
// their font in dialog units and the system scales their frames; what the program sizes in
// pixels itself follows the window's resolution through these. The calls that name a window's
// resolution exist from Windows 10 on: they are looked up at run time, and older systems get
// the screen's.
#ifndef TARVIK_WIN32UI_DPI_H_
#define TARVIK_WIN32UI_DPI_H_

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// The resolution of 100 %, at which sizes in pixels are given.
inline constexpr int kStandardDpi = 96;

// The resolution of the monitor the window is on.
int WindowDpi(HWND window);
// A size given at 100 %, at `dpi`.
int ScaleToDpi(int pixels, int dpi);
// The system's font for windows of the program's own (the default GUI font) at `dpi`; the caller
// deletes it.
HFONT CreateGuiFont(int dpi);
// AdjustWindowRectEx, with the caption and frame of `dpi`.
bool AdjustWindowRectToDpi(RECT& rect, DWORD style, bool menu, DWORD extended_style, int dpi);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_DPI_H_
