#include "win32ui/win32_table_chart.h"

#include <algorithm>
#include <cstddef>

#include "base/png_image.h"
#include "win32ui/wide_text.h"
#include "win32ui/win32_canvas.h"
#include "win32ui/window_class.h"

namespace tarvik::win32ui {
namespace {

constexpr wchar_t kClassName[] = L"TarvikTableChart";
// The smallest picture saved, whatever the size on the screen.
constexpr SIZE kSavedMinimum{400, 300};

PlatformError SystemError(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide = length > 0 && text != nullptr ? std::wstring(text, length) : L"";
  if (text != nullptr) LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' ')) {
    wide.pop_back();
  }
  return {static_cast<int>(code), WideToUtf8(wide)};
}

std::optional<PlatformError> WriteNewFile(const std::wstring& path,
                                          const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemError(GetLastError());
  DWORD written = 0;
  const BOOL wrote =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  // A short write without an error is a full disk.
  const DWORD error = !wrote ? GetLastError() : written != bytes.size() ? ERROR_DISK_FULL : 0;
  if (!CloseHandle(file) && error == 0) return SystemError(GetLastError());
  if (error != 0) return SystemError(error);
  return std::nullopt;
}

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

namespace tarvik::win32ui {

std::optional<PlatformError> TableChart::SavePng(const std::wstring& path) {
  RECT client{};
  if (hwnd_ != nullptr) GetClientRect(hwnd_, &client);
  const SIZE size{std::max(client.right, kSavedMinimum.cx),
                  std::max(client.bottom, kSavedMinimum.cy)};
  const std::vector<std::uint8_t> png = EncodePng(size.cx, size.cy, PaintPixels(size));
  if (png.empty()) return SystemError(ERROR_NOT_ENOUGH_MEMORY);
  return WriteNewFile(path, png);
}

// On a top-down 32-bit DIB section, whose pixels are blue, green, red and a spare byte.
std::vector<std::uint8_t> TableChart::PaintPixels(SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(hwnd_);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(hwnd_, screen);
  std::vector<std::uint8_t> rgb;
  if (dc != nullptr && bitmap != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, size.cx, size.cy};
    ::FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    {
      Win32Canvas canvas(dc, hwnd_, font_, size);
      events_.PaintChart(canvas);
    }
    GdiFlush();
    const auto* pixel = static_cast<const std::uint8_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy);
    rgb.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i, pixel += 4) {
      rgb.insert(rgb.end(), {pixel[2], pixel[1], pixel[0]});
    }
    SelectObject(dc, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (dc != nullptr) DeleteDC(dc);
  return rgb;
}

}  // namespace tarvik::win32ui
