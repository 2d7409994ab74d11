// The Windows headers as the native front includes them: without the min and max macros, and
// without the macros whose names collide with the core's own (Canvas::DrawText, PropertySheet),
// so that every file of the front sees the same names.
#ifndef TARVIK_WIN32UI_WINDOWS_API_H_
#define TARVIK_WIN32UI_WINDOWS_API_H_

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h first: the common controls need its types.
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <prsht.h>

#undef DrawText
#undef PropertySheet

#endif  // TARVIK_WIN32UI_WINDOWS_API_H_
