// Test helper: a window's picture, read back pixel by pixel.
#ifndef TARVIK_TESTS_WIN32UI_PRINTED_WINDOW_H_
#define TARVIK_TESTS_WIN32UI_PRINTED_WINDOW_H_

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// What a window draws when it paints its client area into a bitmap of that size
// (WM_PRINTCLIENT): its pixels, whether it is on the screen or not.
class PrintedWindow {
 public:
  explicit PrintedWindow(HWND window) {
    GetClientRect(window, &rect_);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, rect_.right, rect_.bottom);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
  }
  ~PrintedWindow() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  PrintedWindow(const PrintedWindow&) = delete;
  PrintedWindow& operator=(const PrintedWindow&) = delete;

  int CountOf(COLORREF color) const {
    int count = 0;
    for (int y = 0; y < rect_.bottom; ++y) {
      for (int x = 0; x < rect_.right; ++x) count += GetPixel(dc_, x, y) == color ? 1 : 0;
    }
    return count;
  }

 private:
  RECT rect_{};
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_TESTS_WIN32UI_PRINTED_WINDOW_H_
