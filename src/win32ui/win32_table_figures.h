// The figures under the shot table: a grid of static texts, the first row the headings, the
// first column the titles, the numbers right-aligned, each column as wide as its widest text.
#ifndef TARVIK_WIN32UI_WIN32_TABLE_FIGURES_H_
#define TARVIK_WIN32UI_WIN32_TABLE_FIGURES_H_

#include <string>
#include <vector>

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class TableFigures {
 public:
  using Texts = std::vector<std::vector<std::string>>;

  // The texts go with their parent window.
  explicit TableFigures(HWND parent) : parent_(parent) {}

  // Shows `texts`, making the grid anew when its shape changed and writing only the texts that
  // changed otherwise; the size may change with them.
  void Update(const Texts& texts);
  void SetFont(HFONT font);
  // Where the grid's top left corner goes in the parent's client area.
  void Place(POINT corner);
  // The grid's size in pixels at the current font and texts.
  SIZE Size() const;
  // The grid's rectangle in the parent's client area.
  RECT Rect() const;
  bool Owns(HWND window) const;

 private:
  void Remake(const Texts& texts);
  void Measure();

  HWND parent_;
  HFONT font_ = nullptr;
  Texts texts_;
  std::vector<std::vector<HWND>> cells_;
  std::vector<int> widths_;  // of each column
  int line_height_ = 0;
  int spacing_ = 0;  // between columns
  POINT corner_{0, 0};
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_TABLE_FIGURES_H_
