#include "win32ui/win32_table_figures.h"

#include <algorithm>

#include "win32ui/dpi.h"
#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

// The room between two columns, and above and below a line's text, at 100 %.
constexpr int kColumnSpacing = 12;
constexpr int kLineLeading = 2;

bool SameShape(const TableFigures::Texts& a, const TableFigures::Texts& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t row = 0; row < a.size(); ++row) {
    if (a[row].size() != b[row].size()) return false;
  }
  return true;
}

}  // namespace

void TableFigures::Update(const Texts& texts) {
  if (!SameShape(texts, texts_)) {
    Remake(texts);
  } else {
    for (std::size_t row = 0; row < texts.size(); ++row) {
      for (std::size_t column = 0; column < texts[row].size(); ++column) {
        if (texts[row][column] == texts_[row][column]) continue;
        SetWindowTextW(cells_[row][column], Utf8ToWide(texts[row][column]).c_str());
      }
    }
  }
  texts_ = texts;
  Measure();
}

void TableFigures::Remake(const Texts& texts) {
  for (const auto& row : cells_) {
    for (HWND cell : row) DestroyWindow(cell);
  }
  cells_.clear();
  for (const auto& row : texts) {
    std::vector<HWND>& cells = cells_.emplace_back();
    for (std::size_t column = 0; column < row.size(); ++column) {
      // The titles read from the left, the headings and the numbers line up on the right.
      const DWORD align = column == 0 ? SS_LEFT : SS_RIGHT;
      HWND cell = CreateWindowExW(0, L"STATIC", Utf8ToWide(row[column]).c_str(),
                                  WS_CHILD | WS_VISIBLE | SS_NOPREFIX | align, 0, 0, 0, 0, parent_,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
      if (font_ != nullptr) SendMessageW(cell, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
      cells.push_back(cell);
    }
  }
}

void TableFigures::SetFont(HFONT font) {
  font_ = font;
  for (const auto& row : cells_) {
    for (HWND cell : row) SendMessageW(cell, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  Measure();
}

void TableFigures::Measure() {
  HDC dc = GetDC(parent_);
  HGDIOBJ old = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int dpi = WindowDpi(parent_);
  line_height_ = metrics.tmHeight + ScaleToDpi(kLineLeading, dpi);
  spacing_ = ScaleToDpi(kColumnSpacing, dpi);
  widths_.assign(texts_.empty() ? 0 : texts_.front().size(), 0);
  for (const auto& row : texts_) {
    for (std::size_t column = 0; column < row.size() && column < widths_.size(); ++column) {
      const std::wstring text = Utf8ToWide(row[column]);
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      widths_[column] = std::max(widths_[column], static_cast<int>(size.cx));
    }
  }
  SelectObject(dc, old);
  ReleaseDC(parent_, dc);
  Place(corner_);
}

void TableFigures::Place(POINT corner) {
  corner_ = corner;
  int y = corner.y;
  for (const auto& row : cells_) {
    int x = corner.x;
    for (std::size_t column = 0; column < row.size() && column < widths_.size(); ++column) {
      // Drawn anew whole: the old pixels copied to the new place would leave a right-aligned
      // number's digits beside it when the column widens.
      SetWindowPos(row[column], nullptr, x, y, widths_[column], line_height_,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
      x += widths_[column] + spacing_;
    }
    y += line_height_;
  }
}

SIZE TableFigures::Size() const {
  int width = 0;
  for (int column : widths_) width += column;
  if (widths_.size() > 1) width += spacing_ * static_cast<int>(widths_.size() - 1);
  return {width, line_height_ * static_cast<int>(cells_.size())};
}

RECT TableFigures::Rect() const {
  const SIZE size = Size();
  return {corner_.x, corner_.y, corner_.x + size.cx, corner_.y + size.cy};
}

bool TableFigures::Owns(HWND window) const {
  for (const auto& row : cells_) {
    if (std::find(row.begin(), row.end(), window) != row.end()) return true;
  }
  return false;
}

}  // namespace tarvik::win32ui
