// A canvas, its text 16 pixels high and 7 pixels a character wide, that writes down what is drawn
// on it, one line per call, for tests to compare: "text 1234 [0,0,200,200] 5 red",
// "font 200x33 w900", "move 20,20", "pen 255,0,0 dashed", "fill [0,0,10,10] 255,255,255".
#ifndef TARVIK_TESTS_DOUBLES_RECORDING_CANVAS_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_CANVAS_H_

#include <string>
#include <string_view>
#include <vector>

#include "base/canvas.h"

namespace tarvik::testing {

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width, int height) : size_{width, height} {}

  CanvasSize ClientSize() const override { return size_; }
  int TextHeight(std::string_view /*text*/) override { return 16; }
  int TextWidth(std::string_view text) override { return 7 * static_cast<int>(text.size()); }
  void SetTextColor(Rgb color) override { color_ = color; }
  void SelectFont(const FontRequest& font) override {
    calls.push_back("font " + std::to_string(font.height) + "x" +
                    std::to_string(font.average_width) + " w" + std::to_string(font.weight));
  }
  void SelectDefaultFont() override { calls.emplace_back("default font"); }
  void DrawText(std::string_view text, const CanvasRect& rect, unsigned format) override {
    calls.push_back("text " + std::string(text) + " [" + std::to_string(rect.left) + "," +
                    std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
                    std::to_string(rect.bottom) + "] " + std::to_string(format) +
                    (color_ == kRed     ? " red"
                     : color_ == kBlack ? ""
                                        : " colour"));
  }
  void MoveTo(int x, int y) override { Point("move", x, y); }
  void LineTo(int x, int y) override { Point("line", x, y); }
  void SetPen(Rgb color, LineStyle style) override {
    calls.push_back("pen " + Colour(color) + (style == LineStyle::kDashed ? " dashed" : ""));
  }
  void FillRect(const CanvasRect& rect, Rgb color) override {
    calls.push_back("fill [" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
                    std::to_string(rect.right) + "," + std::to_string(rect.bottom) + "] " +
                    Colour(color));
  }

  std::vector<std::string> calls;

 private:
  static std::string Colour(Rgb color) {
    return std::to_string(color.red) + "," + std::to_string(color.green) + "," +
           std::to_string(color.blue);
  }
  void Point(const char* kind, int x, int y) {
    calls.push_back(std::string(kind) + " " + std::to_string(x) + "," + std::to_string(y));
  }

  CanvasSize size_;
  Rgb color_ = kBlack;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_CANVAS_H_
