#include "ui/qt_canvas.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/qt_text.h"

namespace tarvik::ui {
namespace {

Qt::Alignment Alignment(unsigned format) {
  using namespace text_format;
  Qt::Alignment alignment = (format & kCenter)  ? Qt::AlignHCenter
                            : (format & kRight) ? Qt::AlignRight
                                                : Qt::AlignLeft;
  // Vertical placement applies to a single line only; otherwise the text starts at the top.
  if ((format & kSingleLine) && (format & kVCenter)) return alignment | Qt::AlignVCenter;
  if ((format & kSingleLine) && (format & kBottom)) return alignment | Qt::AlignBottom;
  return alignment | Qt::AlignTop;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, QSize size, const QFont& window_font)
    : painter_(painter), size_(size), window_font_(window_font) {
  painter_.setFont(window_font_);
}

int QtCanvas::TextHeight(std::string_view /*text*/) {
  return QFontMetrics(painter_.font()).height();
}

int QtCanvas::TextWidth(std::string_view text) {
  return QFontMetrics(painter_.font()).horizontalAdvance(FromUtf8(text));
}

void QtCanvas::SetTextColor(Rgb color) { text_color_ = QColor(color.red, color.green, color.blue); }

QFont QtCanvas::MakeFont(const FontRequest& request, const QFont& window_font) {
  QFont font = window_font;
  font.setWeight(static_cast<QFont::Weight>(std::clamp(request.weight, 1, 1000)));
  if (request.height > 0) {
    // Qt sizes a font by its em; the request is for the whole line, so scale once by what
    // the em gives.
    font.setPixelSize(request.height);
    const int line = QFontMetrics(font).height();
    if (line > 0) font.setPixelSize(std::max(1, request.height * request.height / line));
  }
  if (request.average_width > 0) {
    const int natural = QFontMetrics(font).averageCharWidth();
    if (natural > 0) font.setStretch(std::clamp(100 * request.average_width / natural, 1, 4000));
  }
  return font;
}

void QtCanvas::SelectFont(const FontRequest& font) {
  painter_.setFont(MakeFont(font, window_font_));
}

void QtCanvas::DrawText(std::string_view text, const CanvasRect& rect, unsigned format) {
  const QRect area(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  if (area.isEmpty()) return;
  painter_.save();
  painter_.setClipRect(area);
  painter_.setPen(text_color_);
  painter_.drawText(area, static_cast<int>(Alignment(format)), FromUtf8(text));
  painter_.restore();
}

void QtCanvas::LineTo(int x, int y) {
  painter_.setPen(pen_);
  painter_.drawLine(position_, QPoint(x, y));
  position_ = {x, y};
}

void QtCanvas::SetPen(Rgb color, LineStyle style) {
  pen_ = QPen(QColor(color.red, color.green, color.blue), 1,
              style == LineStyle::kDashed ? Qt::DashLine : Qt::SolidLine);
}

void QtCanvas::FillRect(const CanvasRect& rect, Rgb color) {
  painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                    QColor(color.red, color.green, color.blue));
}

}  // namespace tarvik::ui
