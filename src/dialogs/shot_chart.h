// The shot table's chart: the velocity of every shot by its number, on a white ground between a
// vertical axis of velocities and a horizontal one of shot numbers, both labelled in round steps.
// Counted shots are small filled squares joined by a thin line; shots left out are hollow squares,
// not joined; the average of the counted shots is a dashed line over a light band of one standard
// deviation either side; the selected shot stands on a larger square of its own colour. With too
// many shots for squares, each pixel column shows a stroke from its lowest to its highest shot.
// The caller gives every text, so the window's language does not matter here.
#ifndef TARVIK_DIALOGS_SHOT_CHART_H_
#define TARVIK_DIALOGS_SHOT_CHART_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/canvas.h"
#include "dialogs/table_window.h"

namespace tarvik {

struct ChartInput {
  std::span<const double> velocities = {};  // every shot of the table, in display units, in order
  // Non-zero for a shot that is left out; shots past its end are counted.
  std::span<const std::uint8_t> left_out = {};
  // Of the counted shots, in display units; none while there are too few shots for them.
  std::optional<double> average = {};
  std::optional<double> standard_deviation = {};
  std::optional<int> selected = {};  // an index into `velocities`
  std::string_view unit = {};        // the velocity axis' title, "fps" or "m/s"
  std::string_view shot_axis = {};   // the shot number axis' title; may be empty
  std::string_view empty_text = {};  // written in the plot while there is no shot
};

// Where a painting put the shots, to match a click against. The axes run along `left` and
// `bottom`; shot i of `shots` stands in pixel column left + 1 + floor((i + 0.5) * (right - left)
// / shots), and velocity `low` on row `bottom`, `high` on row `top`.
struct ChartPlot {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  double low = 0.0;
  double high = 1.0;
  std::int64_t shots = 0;
};

// Paints the canvas's whole client area. Without room for a plot only the ground is painted, and
// nothing is returned.
std::optional<ChartPlot> PaintShotChart(Canvas& canvas, const ChartInput& input);

// The shot drawn nearest to the point, if one lies within a few pixels of it, for selecting its
// row; `plot` is what painting the same input returned.
std::optional<int> ShotAtPoint(const ChartInput& input, const ChartPlot& plot, int x, int y);

// A click on the chart of a table window: the row of the shot drawn nearest it selected and
// scrolled into view. Whether there was one.
inline bool SelectClickedShot(TableWindow& window, const ChartInput& input,
                              const std::optional<ChartPlot>& plot, int x, int y) {
  const std::optional<int> shot = plot ? ShotAtPoint(input, *plot, x, y) : std::nullopt;
  if (!shot) return false;
  const int rows[] = {*shot};
  window.SelectRows(rows);
  window.ScrollToRow(*shot);
  return true;
}

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_SHOT_CHART_H_
