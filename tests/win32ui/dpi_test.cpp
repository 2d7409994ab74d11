// The native front at the screen's resolution, in a test program that carries the program's own
// manifest: the system must take it as aware of each monitor's resolution, and what the front
// sizes in pixels itself must follow a window's resolution.
#include "win32ui/dpi.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace tarvik::win32ui {
namespace {

// A setting of the manifest's, as the system's loader read it for this program.
std::wstring ManifestSetting(const wchar_t* name_space, const wchar_t* name) {
  wchar_t value[128] = {};
  SIZE_T size = 0;
  if (!QueryActCtxSettingsW(0, nullptr, name_space, name, value, std::size(value), &size))
    return {};
  return value;
}

TEST(DpiAwarenessTest, ProgramsManifestMakesItAwareOfEachMonitorsResolution) {
  EXPECT_EQ(
      ManifestSetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
      L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(ManifestSetting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"),
            L"true/pm");
  // As the system took it for this program's thread: the second version, whose dialogs the
  // system rescales on a move to another monitor, where the system knows it.
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);
  if (IsValidDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
    EXPECT_TRUE(AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(),
                                             DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2));
  }
}

TEST(DpiAwarenessTest, WindowsResolutionIsItsMonitorsAndTheGuiFontFollowsAResolution) {
  // The tests run without a display, where the desktop is the one window there is.
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(WindowDpi(GetDesktopWindow()), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);

  struct Font {
    int dpi;
    LOGFONTW described{};
  };
  Font fonts[] = {{kStandardDpi}, {kStandardDpi * 3 / 2}, {kStandardDpi * 2}};
  for (Font& font : fonts) {
    HFONT made = CreateGuiFont(font.dpi);
    ASSERT_NE(made, nullptr) << font.dpi;
    GetObjectW(made, sizeof(font.described), &font.described);
    DeleteObject(made);
  }
  const LONG standard = fonts[0].described.lfHeight;
  ASSERT_NE(standard, 0);
  for (const Font& font : fonts) {
    EXPECT_EQ(font.described.lfHeight, MulDiv(standard, font.dpi, kStandardDpi)) << font.dpi;
    EXPECT_EQ(std::wstring(font.described.lfFaceName), std::wstring(fonts[0].described.lfFaceName));
  }
  EXPECT_EQ(ScaleToDpi(440, kStandardDpi * 3 / 2), 660);
}

}  // namespace
}  // namespace tarvik::win32ui
