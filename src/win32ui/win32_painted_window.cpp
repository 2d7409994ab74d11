#include "win32ui/win32_painted_window.h"

#include <algorithm>

#include "win32ui/dpi.h"
#include "win32ui/memory_template.h"
#include "win32ui/win32_canvas.h"
#include "win32ui/window_class.h"

namespace tarvik::win32ui {
namespace {

constexpr wchar_t kClassName[] = L"TarvikPaintedWindow";

}  // namespace

Win32PaintedWindow::Win32PaintedWindow(const WindowPlacement& frame, PaintedWindowEvents& events,
                                       HWND owner)
    : events_(events), last_frame_(frame) {
  if (!RegisterWindowClassOnce(kClassName, OwnWindowProc<Win32PaintedWindow>,
                               CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW))
    return;
  const DWORD style = WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  hwnd_ =
      CreateWindowExW(0, kClassName, L"", style, frame.x, frame.y, std::max(1, frame.width),
                      std::max(1, frame.height), owner, nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd_ == nullptr) return;
  font_ = CreateGuiFont(WindowDpi(hwnd_));
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
}

Win32PaintedWindow::~Win32PaintedWindow() {
  DestroyOwnWindow(hwnd_);
  if (font_ != nullptr) DeleteObject(font_);
}

void Win32PaintedWindow::Invalidate() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, TRUE);
}

WindowPlacement Win32PaintedWindow::Frame() const {
  RECT frame;
  if (hwnd_ == nullptr || !GetWindowRect(hwnd_, &frame)) return last_frame_;
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

int Win32PaintedWindow::TrackPopupMenu(const MenuTemplate& menu, std::span<const int> ticked, int x,
                                       int y) {
  if (hwnd_ == nullptr) return 0;
  HMENU popup = BuildFirstPopup(menu);
  if (popup == nullptr) return 0;
  for (int command : ticked) {
    ::CheckMenuItem(popup, static_cast<UINT>(command), MF_BYCOMMAND | MF_CHECKED);
  }
  POINT at{x, y};
  ClientToScreen(hwnd_, &at);
  const BOOL chosen = ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, at.x,
                                       at.y, 0, hwnd_, nullptr);
  DestroyMenu(popup);
  return static_cast<int>(chosen);
}

// Each branch hands the event on last: the core may let go of this window while it runs.
LRESULT Win32PaintedWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      {
        Win32Canvas canvas(dc, hwnd_, font_);
        events_.Paint(canvas);
      }
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_RBUTTONDOWN:
      events_.RightClick(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another resolution: the size Windows suggests there, and the
      // window's text at that resolution.
      if (HFONT font = CreateGuiFont(HIWORD(wparam))) {
        if (font_ != nullptr) DeleteObject(font_);
        font_ = font;
      }
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    }
    case WM_CLOSE:
      // Only the core destroys the window; the request goes to it.
      events_.CloseRequested();
      return 0;
    case WM_DESTROY:
      last_frame_ = Frame();
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace tarvik::win32ui
