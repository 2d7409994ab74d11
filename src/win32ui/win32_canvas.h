// A Canvas over a window's device context while it paints: the core's coordinates, texts,
// colours and DrawText flags are carried out as they come.
#ifndef TARVIK_WIN32UI_WIN32_CANVAS_H_
#define TARVIK_WIN32UI_WIN32_CANVAS_H_

#include "base/canvas.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class Win32Canvas final : public Canvas {
 public:
  // Paints on `dc`, the client area of `window`, starting in the window's own font (made for the
  // window's resolution; the default GUI font when null), which stays the caller's.
  Win32Canvas(HDC dc, HWND window, HFONT window_font);
  // The same on a bitmap of `size` selected into `dc`, for a picture of the window.
  Win32Canvas(HDC dc, HWND window, HFONT window_font, SIZE size);
  // Puts back what was selected into the device context and deletes the fonts made.
  ~Win32Canvas() override;
  Win32Canvas(const Win32Canvas&) = delete;
  Win32Canvas& operator=(const Win32Canvas&) = delete;

  CanvasSize ClientSize() const override;
  int TextHeight(std::string_view text) override;
  int TextWidth(std::string_view text) override;
  void SetTextColor(Rgb color) override;
  void SelectFont(const FontRequest& font) override;
  void SelectDefaultFont() override;
  void DrawText(std::string_view text, const CanvasRect& rect, unsigned format) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPen(Rgb color, LineStyle style) override;
  void FillRect(const CanvasRect& rect, Rgb color) override;

 private:
  void Select(HFONT font);
  SIZE TextExtent(std::string_view text) const;

  HDC dc_;
  HWND window_;
  HFONT window_font_;
  HGDIOBJ original_font_;
  HGDIOBJ original_pen_;
  HFONT made_font_ = nullptr;  // the font of the last request, while selected
  HPEN made_pen_ = nullptr;    // the pen SetPen made, while selected
  SIZE size_{-1, -1};          // the bitmap's, or the window's client area while negative
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_CANVAS_H_
