#include "win32ui/dpi.h"

namespace tarvik::win32ui {
namespace {

// A function of user32 that older systems lack, or null.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through the function type that converts to any other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

// The system's resolution, for which the stock objects are made.
int SystemDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kStandardDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kStandardDpi;
}

}  // namespace

int WindowDpi(HWND window) {
  if (const auto dpi_for_window = User32Function<decltype(&GetDpiForWindow)>("GetDpiForWindow")) {
    const UINT dpi = dpi_for_window(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int ScaleToDpi(int pixels, int dpi) { return MulDiv(pixels, dpi, kStandardDpi); }

HFONT CreateGuiFont(int dpi) {
  LOGFONTW font{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font) == 0) return nullptr;
  font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
  return CreateFontIndirectW(&font);
}

bool AdjustWindowRectToDpi(RECT& rect, DWORD style, bool menu, DWORD extended_style, int dpi) {
  if (const auto adjust =
          User32Function<decltype(&AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi")) {
    return adjust(&rect, style, menu ? TRUE : FALSE, extended_style, static_cast<UINT>(dpi)) !=
           FALSE;
  }
  return AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, extended_style) != FALSE;
}

}  // namespace tarvik::win32ui
