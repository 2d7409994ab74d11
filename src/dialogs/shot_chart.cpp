#include "dialogs/shot_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "dialogs/chart_ticks.h"

namespace tarvik {
namespace {

constexpr int kPad = 4;               // between the client area's edges and anything drawn
constexpr int kGap = 4;               // between a label and its tick, and between two labels
constexpr int kTick = 4;              // the length of a tick outside the axis
constexpr int kLeastPlot = 16;        // the narrowest and lowest plot worth drawing
constexpr int kMarkerSpacing = 5;     // the least pixels from shot to shot for squares
constexpr int kHitRadius = 6;         // how far from a shot a click still takes it
constexpr double kFinestStep = 0.01;  // velocities are shown to two decimals

constexpr Rgb kGrid{224, 224, 224};
constexpr Rgb kBand{214, 228, 250};
constexpr Rgb kAverage{0, 128, 0};
constexpr Rgb kCounted{0, 64, 192};
constexpr Rgb kLeftOut{150, 150, 150};
constexpr Rgb kSelected{255, 140, 0};

double VelocityOf(const ChartInput& input, std::int64_t shot) {
  return input.velocities[static_cast<std::size_t>(shot)];
}

bool IsLeftOut(const ChartInput& input, std::int64_t shot) {
  const auto index = static_cast<std::size_t>(shot);
  return index < input.left_out.size() && input.left_out[index] != 0;
}

// The pixels of shots and velocities in a plot. Velocities beyond the axis' ends, infinities
// and NaN (a log file may hold anything) are kept to the plot, NaN on the horizontal axis.
class PlotScale {
 public:
  explicit PlotScale(const ChartPlot& plot)
      : plot_(plot),
        columns_(plot.right - plot.left),
        per_shot_(plot.shots > 0 ? static_cast<double>(columns_) / plot.shots : 0.0),
        per_value_(plot.high > plot.low ? (plot.bottom - plot.top) / (plot.high - plot.low) : 0.0) {
  }

  int X(std::int64_t shot) const {
    const auto column = static_cast<std::int64_t>((static_cast<double>(shot) + 0.5) * per_shot_);
    return plot_.left + 1 + static_cast<int>(std::min<std::int64_t>(column, columns_ - 1));
  }
  int Y(double velocity) const {
    double y = plot_.bottom - (velocity - plot_.low) * per_value_;
    if (!(y <= plot_.bottom)) y = plot_.bottom;
    if (y < plot_.top) y = plot_.top;
    return static_cast<int>(y + 0.5);
  }
  // Whether there is room for a square a shot.
  bool Squares() const { return per_shot_ >= kMarkerSpacing; }
  double PerShot() const { return per_shot_; }

 private:
  ChartPlot plot_;
  int columns_;
  double per_shot_;
  double per_value_;
};

// The plot and its labels, measured for the canvas's font.
struct Layout {
  ChartPlot plot;
  int text_height = 0;
  int shot_labels_top = 0;
  std::vector<ValueTick> value_ticks;
  std::int64_t shot_step = 0;  // 0: no shot labels
};

// The velocities the axis must show: every shot and the band about the average, a twentieth of
// their span added either side so that no square sits on an axis. A log file may hold absurd
// velocities: those beyond kLargestShown stand at the plot's edge rather than squeeze the others
// into a line.
constexpr double kLargestShown = 1e7;

std::optional<ValueTicks> ValueAxis(const ChartInput& input, int pixels, int spacing) {
  double lowest = std::numeric_limits<double>::infinity();
  double highest = -lowest;
  const auto take = [&](double v) {
    if (!(std::abs(v) <= kLargestShown)) return;
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  };
  for (const double v : input.velocities) take(v);
  if (input.average) {
    const double deviation = input.standard_deviation.value_or(0.0);
    take(*input.average - deviation);
    take(*input.average + deviation);
  }
  if (lowest > highest) return std::nullopt;
  const double margin =
      highest > lowest ? (highest - lowest) / 20 : std::max(1.0, std::abs(lowest) / 100);
  return ChooseValueTicks(lowest - margin, highest + margin, pixels, spacing, kFinestStep);
}

// The vertical layout first, as the velocity labels' widths need the axis' height; then the
// horizontal one from those widths and the widest shot number.
std::optional<Layout> Arrange(Canvas& canvas, const ChartInput& input, CanvasSize size) {
  Layout layout;
  const int h = layout.text_height = canvas.TextHeight("0");
  ChartPlot& plot = layout.plot;
  plot.shots = static_cast<std::int64_t>(input.velocities.size());
  // Room above for the unit and half the top label; below for half the bottom label, the shot
  // numbers and the axis' title.
  plot.top = kPad + h + h / 2;
  plot.bottom = size.height - 1 - kPad - (input.shot_axis.empty() ? 0 : h) - h - (h / 2 + 2);
  layout.shot_labels_top = plot.bottom + h / 2 + 2;
  if (plot.bottom - plot.top < kLeastPlot) return std::nullopt;

  int widest = 0;
  if (plot.shots > 0) {
    if (const auto axis = ValueAxis(input, plot.bottom - plot.top, 2 * h); axis) {
      plot.low = axis->low;
      plot.high = axis->high;
      layout.value_ticks = axis->ticks;
      for (const ValueTick& tick : layout.value_ticks) {
        widest = std::max(widest, canvas.TextWidth(tick.label));
      }
    }
  }
  const int shot_width = canvas.TextWidth(FormatInt(plot.shots));
  plot.left = kPad + widest + kGap + kTick;
  plot.right = size.width - 1 - kPad - std::max(shot_width / 2 + 1, kMarkerSpacing);
  if (plot.right - plot.left < kLeastPlot) return std::nullopt;
  if (plot.shots > 0) {
    const double per_shot = static_cast<double>(plot.right - plot.left) / plot.shots;
    layout.shot_step = static_cast<std::int64_t>(
        NiceStepAtLeast(std::max(1.0, (shot_width + 2 * kGap) / per_shot)));
  }
  return layout;
}

// A text in a rectangle kept inside the client area.
void Label(Canvas& canvas, std::string_view text, CanvasRect rect, CanvasSize size,
           unsigned format) {
  if (text.empty()) return;
  rect.left = std::max(rect.left, 0);
  rect.top = std::max(rect.top, 0);
  rect.right = std::min(rect.right, size.width);
  rect.bottom = std::min(rect.bottom, size.height);
  rect.right = std::max(rect.right, rect.left);
  rect.bottom = std::max(rect.bottom, rect.top);
  canvas.DrawText(text, rect, format | text_format::kSingleLine);
}

// Behind the shots: the band of one standard deviation about the average and the lines of the
// velocity ticks.
void PaintBackdrop(Canvas& canvas, const ChartInput& input, const Layout& layout,
                   const PlotScale& scale) {
  const ChartPlot& plot = layout.plot;
  const double deviation = input.standard_deviation.value_or(0.0);
  if (input.average && plot.shots > 0 && deviation > 0) {
    const int top = scale.Y(*input.average + deviation);
    const int bottom = std::min(scale.Y(*input.average - deviation) + 1, plot.bottom);
    if (bottom > top) canvas.FillRect({plot.left + 1, top, plot.right + 1, bottom}, kBand);
  }
  canvas.SetPen(kGrid, LineStyle::kSolid);
  for (const ValueTick& tick : layout.value_ticks) {
    canvas.MoveTo(plot.left + 1, scale.Y(tick.value));
    canvas.LineTo(plot.right + 1, scale.Y(tick.value));
  }
}

// The average dashed over the shots, so that a dense trace does not hide it.
void PaintAverage(Canvas& canvas, const ChartInput& input, const ChartPlot& plot,
                  const PlotScale& scale) {
  if (!input.average || plot.shots == 0) return;
  const int y = scale.Y(*input.average);
  canvas.SetPen(kAverage, LineStyle::kDashed);
  canvas.MoveTo(plot.left + 1, y);
  canvas.LineTo(plot.right + 1, y);
}

void PaintAxes(Canvas& canvas, const ChartInput& input, const Layout& layout,
               const PlotScale& scale, CanvasSize size) {
  const ChartPlot& plot = layout.plot;
  const int h = layout.text_height;
  canvas.SetPen(kBlack, LineStyle::kSolid);
  canvas.SetTextColor(kBlack);
  canvas.MoveTo(plot.left, plot.top);
  canvas.LineTo(plot.left, plot.bottom);
  canvas.LineTo(plot.right + 1, plot.bottom);
  for (const ValueTick& tick : layout.value_ticks) {
    const int y = scale.Y(tick.value);
    canvas.MoveTo(plot.left - kTick, y);
    canvas.LineTo(plot.left, y);
    Label(canvas, tick.label, {kPad, y - h / 2, plot.left - kTick - kGap, y - h / 2 + h}, size,
          text_format::kRight);
  }
  for (std::int64_t number = layout.shot_step; layout.shot_step > 0 && number <= plot.shots;
       number += layout.shot_step) {
    const int x = scale.X(number - 1);
    canvas.MoveTo(x, plot.bottom);
    canvas.LineTo(x, plot.bottom + kTick);
    const std::string text = FormatInt(number);
    const int half = canvas.TextWidth(text) / 2 + 1;
    Label(canvas, text,
          {x - half, layout.shot_labels_top, x + half + 1, layout.shot_labels_top + h}, size,
          text_format::kCenter);
  }
  Label(canvas, input.unit, {kPad, kPad, size.width - kPad, kPad + h}, size, text_format::kLeft);
  const int title_top = layout.shot_labels_top + h;
  Label(canvas, input.shot_axis, {plot.left, title_top, plot.right + 1, title_top + h}, size,
        text_format::kRight);
  if (plot.shots == 0) {
    Label(canvas, input.empty_text, {plot.left + 1, plot.top, plot.right + 1, plot.bottom}, size,
          text_format::kCenter | text_format::kVCenter);
  }
}

// A square of side 2 * half + 1 centred on the point.
CanvasRect Square(int x, int y, int half) {
  return {x - half, y - half, x + half + 1, y + half + 1};
}

void HollowSquare(Canvas& canvas, int x, int y) {
  canvas.MoveTo(x - 2, y - 2);
  canvas.LineTo(x + 2, y - 2);
  canvas.LineTo(x + 2, y + 2);
  canvas.LineTo(x - 2, y + 2);
  canvas.LineTo(x - 2, y - 2);
}

// Few enough shots for a square each: the line through the counted shots, then the hollow
// squares of those left out, then the filled ones of those counted.
void PaintSquares(Canvas& canvas, const ChartInput& input, const PlotScale& scale) {
  const auto shots = static_cast<std::int64_t>(input.velocities.size());
  canvas.SetPen(kCounted, LineStyle::kSolid);
  bool started = false;
  for (std::int64_t i = 0; i < shots; ++i) {
    if (IsLeftOut(input, i)) continue;
    const int x = scale.X(i);
    const int y = scale.Y(VelocityOf(input, i));
    if (started) {
      canvas.LineTo(x, y);
    } else {
      canvas.MoveTo(x, y);
      started = true;
    }
  }
  canvas.SetPen(kLeftOut, LineStyle::kSolid);
  for (std::int64_t i = 0; i < shots; ++i) {
    if (!IsLeftOut(input, i)) continue;
    HollowSquare(canvas, scale.X(i), scale.Y(VelocityOf(input, i)));
  }
  for (std::int64_t i = 0; i < shots; ++i) {
    if (IsLeftOut(input, i)) continue;
    canvas.FillRect(Square(scale.X(i), scale.Y(VelocityOf(input, i)), 2), kCounted);
  }
}

// The rows of one pixel column's shots: the first and last counted one, and the extremes of the
// counted and of the left-out ones.
struct ColumnRows {
  bool counted = false;
  bool left_out = false;
  int first = 0;
  int last = 0;
  int counted_top = 0;
  int counted_bottom = 0;
  int left_out_top = 0;
  int left_out_bottom = 0;
};

std::vector<ColumnRows> GatherColumns(const ChartInput& input, const ChartPlot& plot,
                                      const PlotScale& scale) {
  std::vector<ColumnRows> columns(static_cast<std::size_t>(plot.right - plot.left));
  for (std::int64_t i = 0; i < plot.shots; ++i) {
    ColumnRows& column = columns[static_cast<std::size_t>(scale.X(i) - plot.left - 1)];
    const int y = scale.Y(VelocityOf(input, i));
    if (IsLeftOut(input, i)) {
      column.left_out_top = column.left_out ? std::min(column.left_out_top, y) : y;
      column.left_out_bottom = column.left_out ? std::max(column.left_out_bottom, y) : y;
      column.left_out = true;
    } else {
      if (!column.counted) column.first = column.counted_top = column.counted_bottom = y;
      column.counted_top = std::min(column.counted_top, y);
      column.counted_bottom = std::max(column.counted_bottom, y);
      column.last = y;
      column.counted = true;
    }
  }
  return columns;
}

// Too many shots for squares: a stroke a pixel column from its highest shot to its lowest, grey
// for the shots left out; the counted shots' strokes joined column to column, each entered at
// its first shot and left at its last, so the trace follows the string in a few calls a column.
void PaintStrokes(Canvas& canvas, const ChartInput& input, const ChartPlot& plot,
                  const PlotScale& scale) {
  const std::vector<ColumnRows> columns = GatherColumns(input, plot, scale);
  canvas.SetPen(kLeftOut, LineStyle::kSolid);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (!columns[c].left_out) continue;
    const int x = plot.left + 1 + static_cast<int>(c);
    canvas.MoveTo(x, columns[c].left_out_top);
    canvas.LineTo(x, columns[c].left_out_bottom + 1);  // the end point is not drawn
  }
  canvas.SetPen(kCounted, LineStyle::kSolid);
  bool started = false;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const ColumnRows& column = columns[c];
    if (!column.counted) continue;
    const int x = plot.left + 1 + static_cast<int>(c);
    if (started) {
      canvas.LineTo(x, column.first);
    } else {
      canvas.MoveTo(x, column.first);
      started = true;
    }
    if (column.counted_top != column.first) canvas.LineTo(x, column.counted_top);
    if (column.counted_bottom != column.counted_top) canvas.LineTo(x, column.counted_bottom);
    if (column.last != column.counted_bottom) canvas.LineTo(x, column.last);
  }
}

// The selected shot on a larger square of its own colour, its own square on top.
void PaintSelected(Canvas& canvas, const ChartInput& input, const PlotScale& scale) {
  if (!input.selected || *input.selected < 0 ||
      static_cast<std::size_t>(*input.selected) >= input.velocities.size()) {
    return;
  }
  const int shot = *input.selected;
  const int x = scale.X(shot);
  const int y = scale.Y(VelocityOf(input, shot));
  canvas.FillRect(Square(x, y, 4), kSelected);
  if (IsLeftOut(input, shot)) {
    canvas.FillRect(Square(x, y, 2), kWhite);
    canvas.SetPen(kLeftOut, LineStyle::kSolid);
    HollowSquare(canvas, x, y);
  } else {
    canvas.FillRect(Square(x, y, 2), kCounted);
  }
}

}  // namespace

std::optional<ChartPlot> PaintShotChart(Canvas& canvas, const ChartInput& input) {
  const CanvasSize size = canvas.ClientSize();
  if (size.width <= 0 || size.height <= 0) return std::nullopt;
  canvas.FillRect({0, 0, size.width, size.height}, kWhite);
  const std::optional<Layout> layout = Arrange(canvas, input, size);
  if (!layout) return std::nullopt;
  const PlotScale scale(layout->plot);
  PaintBackdrop(canvas, input, *layout, scale);
  PaintAxes(canvas, input, *layout, scale, size);
  if (scale.Squares()) {
    PaintSquares(canvas, input, scale);
  } else if (layout->plot.shots > 0) {
    PaintStrokes(canvas, input, layout->plot, scale);
  }
  PaintAverage(canvas, input, layout->plot, scale);
  PaintSelected(canvas, input, scale);
  return layout->plot;
}

std::optional<int> ShotAtPoint(const ChartInput& input, const ChartPlot& plot, int x, int y) {
  const std::int64_t shots =
      std::min(plot.shots, static_cast<std::int64_t>(input.velocities.size()));
  if (shots == 0 || plot.right <= plot.left) return std::nullopt;
  const PlotScale scale(plot);
  // Only the shots whose columns lie within the radius, found from the column formula, with one
  // to spare each side against rounding.
  const double per_shot = scale.PerShot();
  const double from = (x - kHitRadius - plot.left - 1) / per_shot - 1.5;
  const double to = (x + kHitRadius - plot.left) / per_shot + 0.5;
  const auto first = static_cast<std::int64_t>(std::clamp(from, 0.0, shots - 1.0));
  const auto last = static_cast<std::int64_t>(std::clamp(to, 0.0, shots - 1.0));
  std::optional<int> nearest;
  std::int64_t nearest_distance = std::int64_t{kHitRadius} * kHitRadius;
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t dx = scale.X(i) - x;
    const std::int64_t dy = scale.Y(VelocityOf(input, i)) - y;
    const std::int64_t distance = dx * dx + dy * dy;
    if (distance < nearest_distance || (distance == nearest_distance && !nearest)) {
      nearest = static_cast<int>(i);
      nearest_distance = distance;
    }
  }
  return nearest;
}

}  // namespace tarvik
