#include "dialogs/compare_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "base/number_text.h"
#include "dialogs/chart_ticks.h"

namespace tarvik {
namespace {

constexpr int kPad = 4;           // between the client area's edges and anything drawn
constexpr int kGap = 4;           // between a label and its tick, a swatch and its name
constexpr int kTick = 4;          // the length of a tick outside the axis
constexpr int kLeastPlot = 16;    // the narrowest and lowest plot worth drawing
constexpr int kSquareRoom = 5;    // the least pixels from shot to shot for squares
constexpr double kLargest = 1e7;  // velocities beyond it stand at the plot's edge
constexpr Rgb kGrid{224, 224, 224};

// Blue, orange, green and purple: apart in hue, and in lightness (about 74, 175, 106 and 134 of
// 255) for a reader who cannot tell the hues apart.
constexpr std::array<Rgb, kMostCompared> kColours = {Rgb{0, 92, 171}, Rgb{245, 166, 35},
                                                     Rgb{0, 158, 115}, Rgb{170, 102, 204}};

struct Plot {
  int left = 0, top = 0, right = 0, bottom = 0;
  double low = 0.0, high = 1.0;
  int last_shot = 1;  // the highest shot number drawn
  std::vector<ValueTick> ticks;

  int X(int shot) const {
    return left + 1 + static_cast<int>((shot - 0.5) * (right - left) / last_shot);
  }
  int Y(double velocity) const {
    double y = bottom - (velocity - low) * (bottom - top) / (high - low);
    if (!(y <= bottom)) y = bottom;  // NaN too
    return static_cast<int>(std::max<double>(y, top) + 0.5);
  }
};

std::span<const ChartSeries> Drawn(const CompareChartInput& input) {
  return input.series.first(std::min<std::size_t>(input.series.size(), kMostCompared));
}

// The velocity axis' span over every drawn shot and average, a twentieth added either side.
bool ValueRange(const CompareChartInput& input, Plot& plot, int spacing) {
  double lowest = std::numeric_limits<double>::infinity();
  double highest = -lowest;
  const auto take = [&](double v) {
    if (!(std::abs(v) <= kLargest)) return;
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  };
  plot.last_shot = 1;
  for (const ChartSeries& series : Drawn(input)) {
    for (const ChartPoint& point : series.points) {
      take(point.velocity);
      plot.last_shot = std::max(plot.last_shot, point.shot);
    }
    if (series.average) take(*series.average);
  }
  if (lowest > highest) return false;
  const double margin =
      highest > lowest ? (highest - lowest) / 20 : std::max(1.0, std::abs(lowest) / 100);
  plot.low = lowest - margin;
  plot.high = highest + margin;
  if (const auto axis =
          ChooseValueTicks(plot.low, plot.high, plot.bottom - plot.top, spacing, 0.01)) {
    plot.low = axis->low;
    plot.high = axis->high;
    plot.ticks = axis->ticks;
  }
  return true;
}

void Label(Canvas& canvas, std::string_view text, CanvasRect rect, unsigned format) {
  if (text.empty() || rect.right <= rect.left) return;
  canvas.DrawText(text, rect, format | text_format::kSingleLine);
}

// One line per string above the plot: a swatch of its colour and its name.
void PaintLegend(Canvas& canvas, const CompareChartInput& input, int width, int h) {
  int top = kPad;
  int index = 0;
  for (const ChartSeries& series : Drawn(input)) {
    const int mid = top + h / 2;
    canvas.FillRect({kPad, mid - 4, kPad + 16, mid + 4}, SeriesColour(index++));
    Label(canvas, series.name, {kPad + 16 + kGap, top, width - kPad, top + h}, text_format::kLeft);
    top += h;
  }
}

void PaintAxes(Canvas& canvas, const CompareChartInput& input, const Plot& plot, int h) {
  canvas.SetPen(kGrid, LineStyle::kSolid);
  for (const ValueTick& tick : plot.ticks) {
    canvas.MoveTo(plot.left + 1, plot.Y(tick.value));
    canvas.LineTo(plot.right + 1, plot.Y(tick.value));
  }
  canvas.SetPen(kBlack, LineStyle::kSolid);
  canvas.MoveTo(plot.left, plot.top);
  canvas.LineTo(plot.left, plot.bottom);
  canvas.LineTo(plot.right + 1, plot.bottom);
  for (const ValueTick& tick : plot.ticks) {
    const int y = plot.Y(tick.value);
    canvas.MoveTo(plot.left - kTick, y);
    canvas.LineTo(plot.left, y);
    Label(canvas, tick.label, {kPad, y - h / 2, plot.left - kTick - kGap, y - h / 2 + h},
          text_format::kRight);
  }
  const double per_shot = static_cast<double>(plot.right - plot.left) / plot.last_shot;
  const int label_width = canvas.TextWidth(FormatInt(plot.last_shot)) + 2 * kGap;
  const auto step = static_cast<int>(NiceStepAtLeast(std::max(1.0, label_width / per_shot)));
  for (int shot = step; shot <= plot.last_shot; shot += step) {
    const int x = plot.X(shot);
    canvas.MoveTo(x, plot.bottom);
    canvas.LineTo(x, plot.bottom + kTick);
    Label(canvas, FormatInt(shot),
          {x - label_width, plot.bottom + kTick, x + label_width, plot.bottom + kTick + h},
          text_format::kCenter);
  }
  Label(canvas, input.unit, {kPad, plot.top - h - h / 2, plot.left + 40, plot.top - h / 2},
        text_format::kLeft);
  Label(canvas, input.shot_axis,
        {plot.left, plot.bottom + kTick + h, plot.right + 1, plot.bottom + kTick + 2 * h},
        text_format::kRight);
}

void PaintSeries(Canvas& canvas, const ChartSeries& series, Rgb colour, const Plot& plot) {
  canvas.SetPen(colour, LineStyle::kSolid);
  bool first = true;
  for (const ChartPoint& point : series.points) {
    const int x = plot.X(point.shot);
    const int y = plot.Y(point.velocity);
    first ? canvas.MoveTo(x, y) : canvas.LineTo(x, y);
    first = false;
  }
  if (static_cast<double>(plot.right - plot.left) / plot.last_shot >= kSquareRoom) {
    for (const ChartPoint& point : series.points) {
      const int x = plot.X(point.shot);
      const int y = plot.Y(point.velocity);
      canvas.FillRect({x - 2, y - 2, x + 3, y + 3}, colour);
    }
  }
  if (!series.average) return;
  canvas.SetPen(colour, LineStyle::kDashed);
  canvas.MoveTo(plot.left + 1, plot.Y(*series.average));
  canvas.LineTo(plot.right + 1, plot.Y(*series.average));
}

}  // namespace

Rgb SeriesColour(int index) { return kColours[static_cast<std::size_t>(index) % kColours.size()]; }

void PaintCompareChart(Canvas& canvas, const CompareChartInput& input) {
  const CanvasSize size = canvas.ClientSize();
  canvas.FillRect({0, 0, size.width, size.height}, kWhite);
  canvas.SetTextColor(kBlack);
  const int h = canvas.TextHeight("0");
  const int legend_rows = static_cast<int>(Drawn(input).size());
  Plot plot;
  plot.top = kPad + legend_rows * h + h + h / 2;
  plot.bottom = size.height - 1 - kPad - 2 * h - kTick;
  const bool any = ValueRange(input, plot, 2 * h);
  int widest = 0;
  for (const ValueTick& tick : plot.ticks) widest = std::max(widest, canvas.TextWidth(tick.label));
  plot.left = kPad + widest + kGap + kTick;
  plot.right = size.width - 1 - kPad - canvas.TextWidth(FormatInt(plot.last_shot)) / 2 - 1;
  if (plot.bottom - plot.top < kLeastPlot || plot.right - plot.left < kLeastPlot) return;
  PaintLegend(canvas, input, size.width, h);
  PaintAxes(canvas, input, plot, h);
  if (!any) {
    Label(canvas, input.empty_text, {plot.left + 1, plot.top, plot.right + 1, plot.bottom},
          text_format::kCenter | text_format::kVCenter);
    return;
  }
  int index = 0;
  for (const ChartSeries& series : Drawn(input))
    PaintSeries(canvas, series, SeriesColour(index++), plot);
}

}  // namespace tarvik
