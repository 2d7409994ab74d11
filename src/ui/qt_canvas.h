// A canvas over a Qt painter: carries out the core's drawing calls on a widget.
#ifndef TARVIK_UI_QT_CANVAS_H_
#define TARVIK_UI_QT_CANVAS_H_

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QSize>

#include "base/canvas.h"

namespace tarvik::ui {

class QtCanvas final : public Canvas {
 public:
  // Paints with `painter` on a client area of `size`, whose own font is `window_font`.
  QtCanvas(QPainter& painter, QSize size, const QFont& window_font);

  CanvasSize ClientSize() const override { return {size_.width(), size_.height()}; }
  int TextHeight(std::string_view text) override;
  int TextWidth(std::string_view text) override;
  void SetTextColor(Rgb color) override;
  void SelectFont(const FontRequest& font) override;
  void SelectDefaultFont() override { painter_.setFont(window_font_); }
  void DrawText(std::string_view text, const CanvasRect& rect, unsigned format) override;
  void MoveTo(int x, int y) override { position_ = {x, y}; }
  void LineTo(int x, int y) override;
  void SetPen(Rgb color, LineStyle style) override;
  void FillRect(const CanvasRect& rect, Rgb color) override;

  // The font that best meets the request: its line height (ascent and descent) as tall as
  // asked and its average character width as wide, the window's font where a size is 0.
  static QFont MakeFont(const FontRequest& request, const QFont& window_font);

 private:
  QPainter& painter_;
  QSize size_;
  QFont window_font_;
  QColor text_color_ = Qt::black;
  QPoint position_;
  QPen pen_{Qt::black, 1};
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_CANVAS_H_
