#include "win32ui/win32_table_chart.h"

#include "win32ui/win32_canvas.h"
#include "win32ui/window_class.h"

namespace tarvik::win32ui {
namespace {

constexpr wchar_t kClassName[] = L"TarvikTableChart";

}  // namespace

TableChart::~TableChart() {
  if (hwnd_ != nullptr) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

bool TableChart::Make(HWND parent) {
  // No background brush: the painting covers the whole area.
  if (!RegisterWindowClassOnce(kClassName, OwnWindowProc<TableChart>, 0, -1)) return false;
  CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                  nullptr, GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

void TableChart::Invalidate() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT TableChart::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      events_.ChartClicked(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

void TableChart::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client;
  GetClientRect(hwnd_, &client);
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  if (buffer != nullptr && bitmap != nullptr) {
    HGDIOBJ old = SelectObject(buffer, bitmap);
    ::FillRect(buffer, &client, GetSysColorBrush(COLOR_WINDOW));
    {
      Win32Canvas canvas(buffer, hwnd_, font_);
      events_.PaintChart(canvas);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (buffer != nullptr) DeleteDC(buffer);
  EndPaint(hwnd_, &paint);
}

}  // namespace tarvik::win32ui
