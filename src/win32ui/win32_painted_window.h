// A window the core paints: a resizable top-level window owned by the main window, with a
// caption but no caption buttons that would close it, handing its paints, right clicks and close
// requests to the core. Letting go of the object destroys the window. Its frame is in the
// device's pixels; the big digits follow the client area, the window's own text its monitor's
// resolution, and a move to a monitor of another resolution keeps its size there as Windows
// suggests it.
#ifndef TARVIK_WIN32UI_WIN32_PAINTED_WINDOW_H_
#define TARVIK_WIN32UI_WIN32_PAINTED_WINDOW_H_

#include "dialogs/window_factory.h"
#include "win32ui/window_class.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class Win32PaintedWindow final : public PaintedWindow {
 public:
  // Made, shown and painted at `frame`, the outer frame on the screen; check made() after.
  Win32PaintedWindow(const WindowPlacement& frame, PaintedWindowEvents& events, HWND owner);
  ~Win32PaintedWindow() override;
  Win32PaintedWindow(const Win32PaintedWindow&) = delete;
  Win32PaintedWindow& operator=(const Win32PaintedWindow&) = delete;

  bool made() const { return hwnd_ != nullptr; }

  void Invalidate() override;
  WindowPlacement Frame() const override;
  int TrackPopupMenu(const MenuTemplate& menu, std::span<const int> ticked, int x, int y) override;

 private:
  template <typename T>
  friend LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  PaintedWindowEvents& events_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;  // the window's own, for its monitor's resolution
  // The frame as the window last had it, for when the system destroyed it first (with its
  // owner).
  WindowPlacement last_frame_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_PAINTED_WINDOW_H_
