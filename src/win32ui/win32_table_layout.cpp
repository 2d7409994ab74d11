#include "win32ui/win32_table_layout.h"

#include <algorithm>

#include "win32ui/dpi.h"

namespace tarvik::win32ui {
namespace {

// At 100 %: the margin around the parts, the gap between two, and the smallest list and chart.
constexpr int kMargin = 7;
constexpr int kGap = 7;
constexpr int kMinimumListHeight = 80;
constexpr int kMinimumChartWidth = 160;
constexpr int kMinimumChartHeight = 110;

struct Band {
  int left_width;  // the figures or the buttons, whichever is wider
  int height;
};

Band BandOf(const TableLayoutInput& input) {
  const int gap = ScaleToDpi(kGap, input.dpi);
  const int buttons = std::max(0, input.buttons);
  const int row = buttons * static_cast<int>(input.button.cx) + std::max(0, buttons - 1) * gap;
  return {std::max<int>(input.figures.cx, row),
          std::max<int>(input.figures.cy + gap + input.button.cy,
                        ScaleToDpi(kMinimumChartHeight, input.dpi))};
}

}  // namespace

TableLayout LayOutTable(const TableLayoutInput& input) {
  const int margin = ScaleToDpi(kMargin, input.dpi);
  const int gap = ScaleToDpi(kGap, input.dpi);
  const Band band = BandOf(input);
  const int right = std::max<int>(margin, input.client.cx - margin);
  const int band_top = std::max(margin, static_cast<int>(input.client.cy) - margin - band.height);
  const int buttons_top = band_top + band.height - input.button.cy;
  TableLayout layout{};
  layout.list = {margin, margin, right, std::max(margin, band_top - gap)};
  layout.figures = {margin, band_top};
  for (int index = 0, left = margin; index < input.buttons; ++index) {
    layout.buttons.push_back(
        {left, buttons_top, left + input.button.cx, buttons_top + input.button.cy});
    left += input.button.cx + gap;
  }
  const int chart_left = margin + band.left_width + gap;
  layout.chart = {chart_left, band_top, std::max(chart_left, right), band_top + band.height};
  return layout;
}

SIZE MinimumTableClient(const TableLayoutInput& input) {
  const int margin = ScaleToDpi(kMargin, input.dpi);
  const int gap = ScaleToDpi(kGap, input.dpi);
  const Band band = BandOf(input);
  return {2 * margin + band.left_width + gap + ScaleToDpi(kMinimumChartWidth, input.dpi),
          2 * margin + ScaleToDpi(kMinimumListHeight, input.dpi) + gap + band.height};
}

}  // namespace tarvik::win32ui
