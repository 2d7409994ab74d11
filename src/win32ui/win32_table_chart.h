// The table window's chart: a child window the core paints through a Canvas, drawn into a bitmap
// first and copied in one go so that it never flickers, handing its left clicks to the core.
#ifndef TARVIK_WIN32UI_WIN32_TABLE_CHART_H_
#define TARVIK_WIN32UI_WIN32_TABLE_CHART_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/platform_error.h"
#include "dialogs/table_window.h"
#include "win32ui/window_class.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class TableChart {
 public:
  explicit TableChart(TableWindowEvents& events) : events_(events) {}
  // The window goes with its parent; from then on it calls nothing.
  ~TableChart();
  TableChart(const TableChart&) = delete;
  TableChart& operator=(const TableChart&) = delete;

  // Makes the window as a child of `parent`; false when it cannot be made.
  bool Make(HWND parent);
  HWND hwnd() const { return hwnd_; }
  // The font the canvas starts with; stays the caller's.
  void SetFont(HFONT font) { font_ = font; }
  // Painted again soon, from the event loop.
  void Invalidate();
  // Paints the chart at its size, at least 400 by 300, into a PNG file at `path`; the system's
  // error when the picture could not be made or the file written.
  std::optional<PlatformError> SavePng(const std::wstring& path);

 private:
  template <typename T>
  friend LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();
  // The picture's pixels, rows from the top, as red, green and blue; empty when GDI failed.
  std::vector<std::uint8_t> PaintPixels(SIZE size);

  TableWindowEvents& events_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_TABLE_CHART_H_
