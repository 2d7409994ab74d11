// What a window's painting code draws on: text in a rectangle with alignment flags, a font by
// height and average width and weight, the text colour, lines from point to point in a pen of a
// colour and a style, and rectangles filled with a colour, all in
// the client area's pixels (x to the right, y downwards, the top left corner at 0, 0). The core
// computes every coordinate, text and colour; a Qt painter or a Windows device context only
// carries them out.
#ifndef TARVIK_BASE_CANVAS_H_
#define TARVIK_BASE_CANVAS_H_

#include <cstdint>
#include <string_view>

namespace tarvik {

struct CanvasSize {
  int width = 0;
  int height = 0;
};

// A rectangle from its left and top edges to its right and bottom ones (exclusive).
struct CanvasRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

enum class LineStyle { kSolid, kDashed };

// A font asked for by its cell height and average character width in pixels (0 lets the
// platform choose) and its weight (400 normal, 700 bold, 900 heavy).
struct FontRequest {
  int height = 0;
  int average_width = 0;
  int weight = 400;
  friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

// How DrawText places its text in the rectangle; the values are those of the Windows call, so a
// Windows front passes them on unchanged. Without kSingleLine the text stands at the top of the
// rectangle whatever the vertical flags say.
namespace text_format {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kVCenter = 0x4;
inline constexpr unsigned kBottom = 0x8;
inline constexpr unsigned kSingleLine = 0x20;
}  // namespace text_format

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual CanvasSize ClientSize() const = 0;
  // The height and the width of `text` as one line in the font selected now.
  virtual int TextHeight(std::string_view text) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual void SetTextColor(Rgb color) = 0;
  // Selects a font made to the request until the next selection; SelectDefaultFont goes back
  // to the window's own font.
  virtual void SelectFont(const FontRequest& font) = 0;
  virtual void SelectDefaultFont() = 0;
  // Draws `text` (UTF-8) in `rect` as `format` says, clipped to the rectangle.
  virtual void DrawText(std::string_view text, const CanvasRect& rect, unsigned format) = 0;
  // A line from the current position to the point, which becomes current, in the pen selected
  // now: one pixel wide, black and solid until SetPen chooses another.
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void SetPen(Rgb color, LineStyle style) = 0;
  // Fills the rectangle (right and bottom exclusive) with a colour; the pen is not used.
  virtual void FillRect(const CanvasRect& rect, Rgb color) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_CANVAS_H_
