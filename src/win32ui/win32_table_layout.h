// Where the parts of the table window go in its client area: the list on top takes what the band
// under it leaves; the band holds the figures with the row of buttons under them on the left and
// the chart on the right.
#ifndef TARVIK_WIN32UI_WIN32_TABLE_LAYOUT_H_
#define TARVIK_WIN32UI_WIN32_TABLE_LAYOUT_H_

#include <vector>

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

struct TableLayoutInput {
  SIZE client;   // the client area
  SIZE figures;  // the figures' grid
  SIZE button;   // each button
  int dpi;
  int buttons = 2;  // how many, side by side
};

struct TableLayout {
  RECT list;
  POINT figures;
  std::vector<RECT> buttons;  // left to right
  RECT chart;
};

TableLayout LayOutTable(const TableLayoutInput& input);
// The smallest client area in which every part keeps a usable size.
SIZE MinimumTableClient(const TableLayoutInput& input);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_TABLE_LAYOUT_H_
