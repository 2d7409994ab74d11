#include "win32ui/win32_canvas.h"

#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

// The face of the fonts the painting asks for by size: scalable on every Windows.
constexpr wchar_t kFontFace[] = L"Arial";

}  // namespace

Win32Canvas::Win32Canvas(HDC dc, HWND window, HFONT window_font)
    : dc_(dc),
      window_(window),
      window_font_(window_font != nullptr ? window_font
                                          : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
      original_font_(SelectObject(dc, window_font_)),
      original_pen_(SelectObject(dc, GetStockObject(BLACK_PEN))) {
  SetBkMode(dc_, TRANSPARENT);
  ::SetTextColor(dc_, RGB(0, 0, 0));
}

Win32Canvas::Win32Canvas(HDC dc, HWND window, HFONT window_font, SIZE size)
    : Win32Canvas(dc, window, window_font) {
  size_ = size;
}

Win32Canvas::~Win32Canvas() {
  SelectObject(dc_, original_pen_);
  if (made_pen_ != nullptr) DeleteObject(made_pen_);
  SelectObject(dc_, original_font_);
  if (made_font_ != nullptr) DeleteObject(made_font_);
}

CanvasSize Win32Canvas::ClientSize() const {
  if (size_.cx >= 0) return {size_.cx, size_.cy};
  RECT client{};
  GetClientRect(window_, &client);
  return {client.right - client.left, client.bottom - client.top};
}

SIZE Win32Canvas::TextExtent(std::string_view text) const {
  const std::wstring wide = Utf8ToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int Win32Canvas::TextHeight(std::string_view text) { return TextExtent(text).cy; }

int Win32Canvas::TextWidth(std::string_view text) { return TextExtent(text).cx; }

void Win32Canvas::SetTextColor(Rgb color) {
  ::SetTextColor(dc_, RGB(color.red, color.green, color.blue));
}

void Win32Canvas::Select(HFONT font) {
  SelectObject(dc_, font);
  if (made_font_ != nullptr && made_font_ != font) DeleteObject(made_font_);
  made_font_ = nullptr;
}

void Win32Canvas::SelectFont(const FontRequest& font) {
  HFONT made = CreateFontW(font.height, font.average_width, 0, 0, font.weight, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, kFontFace);
  if (made == nullptr) return;
  Select(made);
  made_font_ = made;
}

void Win32Canvas::SelectDefaultFont() { Select(window_font_); }

void Win32Canvas::DrawText(std::string_view text, const CanvasRect& rect, unsigned format) {
  std::wstring wide = Utf8ToWide(text);
  RECT area{rect.left, rect.top, rect.right, rect.bottom};
  DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &area, format);
}

void Win32Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Win32Canvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void Win32Canvas::SetPen(Rgb color, LineStyle style) {
  HPEN made = CreatePen(style == LineStyle::kDashed ? PS_DASH : PS_SOLID, 1,
                        RGB(color.red, color.green, color.blue));
  if (made == nullptr) return;
  SelectObject(dc_, made);
  if (made_pen_ != nullptr) DeleteObject(made_pen_);
  made_pen_ = made;
}

void Win32Canvas::FillRect(const CanvasRect& rect, Rgb color) {
  HBRUSH brush = CreateSolidBrush(RGB(color.red, color.green, color.blue));
  if (brush == nullptr) return;
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(dc_, &area, brush);
  DeleteObject(brush);
}

}  // namespace tarvik::win32ui
