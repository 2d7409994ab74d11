// The chart of one to four kept strings overlaid: each string's counted shots by their shot
// number in a colour of its own, joined by a thin line, its average a dashed line in the same
// colour, and a legend of the strings' names above the plot. Shots that do not count (left out or
// undone) are not drawn. The four colours (blue, orange, green, purple) stay apart for the common
// kinds of colour blindness. The caller gives every text.
#ifndef TARVIK_DIALOGS_COMPARE_CHART_H_
#define TARVIK_DIALOGS_COMPARE_CHART_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/canvas.h"

namespace tarvik {

inline constexpr int kMostCompared = 4;

struct ChartPoint {
  int shot = 1;           // the shot's number in its string
  double velocity = 0.0;  // in display units
};

struct ChartSeries {
  std::string name;
  std::vector<ChartPoint> points;  // the counted shots, in order
  std::optional<double> average;   // of the counted shots, in display units
};

struct CompareChartInput {
  std::span<const ChartSeries> series;  // the first kMostCompared are drawn
  std::string_view unit;                // the velocity axis' title
  std::string_view shot_axis;           // the shot number axis' title
  std::string_view empty_text;          // written in the plot when there is no shot to draw
};

// The colour of the series at `index` (below kMostCompared).
Rgb SeriesColour(int index);

// Paints the canvas's whole client area.
void PaintCompareChart(Canvas& canvas, const CompareChartInput& input);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_COMPARE_CHART_H_
