#include "dialogs/graph_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "base/number_text.h"

namespace tarvik {
namespace {

// The space between the client area's edges and the axes.
constexpr int kMargin = 20;
constexpr int kTickLength = 3;

void DrawAxes(Canvas& canvas, CanvasSize size) {
  canvas.MoveTo(kMargin, kMargin);
  canvas.LineTo(kMargin, size.height - kMargin);
  canvas.LineTo(size.width - kMargin, size.height - kMargin);
}

// A 5 x 5 square outline centred on the point; it ends back on the point so that a line drawn
// next goes on from there.
void Mark(Canvas& canvas, int x, int y) {
  canvas.MoveTo(x - 2, y - 2);
  canvas.LineTo(x + 2, y - 2);
  canvas.LineTo(x + 2, y + 2);
  canvas.LineTo(x - 2, y + 2);
  canvas.LineTo(x - 2, y - 2);
  canvas.MoveTo(x, y);
}

std::int64_t CeilDiv(std::int64_t numerator, std::int64_t denominator) {
  return (numerator + denominator - 1) / denominator;
}

// Where a velocity stands: `low` on the horizontal axis, `high` at y = 20. Equal bounds would
// divide by zero, so they give a level line at mid height. A log file may hold absurd values,
// so every y is kept to a band around the client area and NaN lies on the axis.
class VerticalScale {
 public:
  VerticalScale(double low, double high, int height)
      : level_(high == low),
        height_(height),
        span_(level_ ? 1 : high - low),
        scale_(-static_cast<double>(height - 2 * kMargin) / span_),
        offset_((height - kMargin) + (height - 2 * kMargin) * low / span_),
        top_(std::max(-static_cast<double>(height), std::numeric_limits<int>::min() + 3.0)),
        bottom_(std::min(2.0 * height, std::numeric_limits<int>::max() - 3.0)) {}

  int Y(double velocity) const {
    if (level_) return height_ / 2;
    const double y = velocity * scale_ + offset_;
    if (std::isnan(y)) return height_ - kMargin;
    return static_cast<int>(std::clamp(y, top_, bottom_));
  }

 private:
  bool level_;
  int height_;
  double span_;
  double scale_;
  double offset_;
  double top_;
  double bottom_;
};

// One point per shot, `step` pixels apart.
void DrawShotByShot(Canvas& canvas, std::span<const double> velocities, const VerticalScale& scale,
                    int step, bool markers) {
  for (std::size_t i = 0; i < velocities.size(); ++i) {
    const int x = kMargin + static_cast<int>(i) * step;
    const int y = scale.Y(velocities[i]);
    if (i == 0) {
      canvas.MoveTo(x, y);
    } else {
      canvas.LineTo(x, y);
    }
    if (markers) Mark(canvas, x, y);
  }
}

// More shots than pixels: shot i falls on column i * columns / (n - 1), and each column draws
// its first shot (joined to the column before), its lowest and highest, and ends on its last,
// so the trace stays connected with a few calls per column however many shots there are.
void DrawColumnByColumn(Canvas& canvas, std::span<const double> velocities,
                        const VerticalScale& scale, std::int64_t columns, bool markers) {
  const auto shots = static_cast<std::int64_t>(velocities.size());
  const std::int64_t steps = shots - 1;
  for (std::int64_t column = 0; column <= columns; ++column) {
    // The shots i with column * steps <= i * columns < (column + 1) * steps.
    const std::int64_t begin = CeilDiv(column * steps, columns);
    const std::int64_t end = std::min(shots, CeilDiv((column + 1) * steps, columns));
    const int first = scale.Y(velocities[begin]);
    int low = first;
    int high = first;
    int last = first;
    for (std::int64_t i = begin + 1; i < end; ++i) {
      last = scale.Y(velocities[i]);
      low = std::min(low, last);
      high = std::max(high, last);
    }
    const int x = kMargin + static_cast<int>(column);
    if (column == 0) {
      canvas.MoveTo(x, first);
    } else {
      canvas.LineTo(x, first);
    }
    if (low != first) canvas.LineTo(x, low);
    if (markers) Mark(canvas, x, low);
    if (high != low) {
      canvas.LineTo(x, high);
      if (markers) Mark(canvas, x, high);
    }
    if (last != high) canvas.LineTo(x, last);
  }
}

// Histogram bins: a width of 1, 2 or 5 times a power of ten, no finer than the instrument's
// 0.1 fps, about sqrt(shots) bins within these bounds.
constexpr std::int64_t kMinBins = 5;
constexpr std::int64_t kMaxBins = 30;
constexpr double kFinestBinWidth = 0.1;

// The smallest of 1, 2 and 5 times a power of ten that is not below `width`.
// The widest of 1, 2 and 5 times a power of ten that is not wider than `width`.
double NiceWidthAtMost(double width) {
  const double power = std::pow(10.0, std::floor(std::log10(width)));
  for (const double factor : {5.0, 2.0}) {
    if (factor * power <= width * (1 + 1e-9)) return factor * power;
  }
  return power;
}

double NiceWidthAtLeast(double width) {
  const double power = std::pow(10.0, std::floor(std::log10(width)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= width * (1 - 1e-9)) return factor * power;
  }
  return 10 * power;
}

// A width such as 0.1 has no exact binary form, so positions in bin widths are nudged up by a
// part in 10^9 to keep a shot on an edge in the bin that starts there.
constexpr double kEdgeNudge = 1e-9;

// Bins of `width` fps, the lowest starting at `first` widths from 0.
struct Bins {
  double width = 0;
  double first = 0;
  std::int64_t count = 0;

  // Adding 0.0 turns -0 into 0, which reads better as a label.
  double LowEdge() const { return first * width + 0.0; }
  double HighEdge() const { return (first + static_cast<double>(count)) * width; }
};

// The number of the bin of `width` that holds `velocity`, counted from the one starting at 0.
double BinNumber(double velocity, double width) {
  const double widths = velocity / width;
  return std::floor(widths + kEdgeNudge * (1 + std::abs(widths)));
}

// Finds the bin of each finite velocity with a multiplication, as a division and floor per shot
// would cost most of the histogram's time, and one nudge for the whole range of the bins.
class BinIndex {
 public:
  explicit BinIndex(const Bins& bins)
      : widths_per_fps_(1 / bins.width),
        shift_(kEdgeNudge *
                   (1 + std::max(std::abs(bins.first), std::abs(bins.first + bins.count))) -
               bins.first),
        last_(static_cast<double>(bins.count - 1)) {}

  // Truncating what is clamped to be positive floors it.
  std::size_t operator()(double velocity) const {
    const double index = std::clamp(velocity * widths_per_fps_ + shift_, 0.0, last_);
    return static_cast<std::size_t>(static_cast<std::int64_t>(index));
  }

 private:
  double widths_per_fps_;
  double shift_;
  double last_;
};

// Bins aligned to multiples of their width from `min` to `max`, at most `limit` of them (which
// must be 2 or more: bins either side of 0 stay two however wide). Nothing when the velocities
// spread so far that the edges are no longer numbers.
std::optional<Bins> ChooseBins(double min, double max, std::size_t shots, std::int64_t limit) {
  if (!std::isfinite(max - min)) return std::nullopt;
  const std::int64_t wanted =
      std::min(limit, std::max<std::int64_t>(kMinBins, std::llround(std::sqrt(shots))));
  // At least the bins wanted, fewer only when the plot has no room for them.
  double width =
      std::max(NiceWidthAtMost(std::max((max - min) / wanted, kFinestBinWidth)), kFinestBinWidth);
  for (;;) {
    const double first = BinNumber(min, width);
    const double count = BinNumber(max, width) - first + 1;
    if (!std::isfinite(first * width) || !std::isfinite((first + count) * width)) {
      return std::nullopt;
    }
    if (count <= limit) return Bins{width, first, static_cast<std::int64_t>(count)};
    width = NiceWidthAtLeast(width * 1.5);  // the next nice width up
  }
}

// Outlined bars standing on the axis, the tallest reaching the top of the vertical axis.
void DrawBars(Canvas& canvas, const std::vector<std::uint64_t>& counts, std::int64_t plot_width,
              std::int64_t plot_height, int axis_y) {
  const auto tallest = static_cast<double>(*std::max_element(counts.begin(), counts.end()));
  const auto bins = static_cast<std::int64_t>(counts.size());
  for (std::int64_t bin = 0; bin < bins; ++bin) {
    if (counts[bin] == 0) continue;
    const int left = kMargin + static_cast<int>(bin * plot_width / bins);
    const int right = kMargin + static_cast<int>((bin + 1) * plot_width / bins);
    const int top =
        axis_y - static_cast<int>(static_cast<double>(counts[bin]) / tallest * plot_height);
    canvas.MoveTo(left, axis_y);
    canvas.LineTo(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, axis_y);
  }
}

// The range of the bins below the horizontal axis from its left end, clear of the shot ticks and
// of the resize hint at the right, and the tallest count above the top of the vertical axis, all
// inside the client area.
void DrawLabels(Canvas& canvas, const Bins& bins, std::uint64_t tallest, CanvasSize size) {
  const int text_height = canvas.TextHeight("0");
  const int precision = bins.width >= 1 ? 0 : 1;
  const int below =
      std::max(0, std::min(size.height - kMargin + kTickLength + 1, size.height - text_height));
  const int below_bottom = std::min(size.height, below + text_height);
  const int above = std::max(0, kMargin - text_height);
  const int above_bottom = std::min(size.height, above + text_height);
  constexpr unsigned kLeft = text_format::kSingleLine | text_format::kLeft;
  canvas.SetTextColor(kBlack);
  canvas.DrawText(FormatFixed(bins.LowEdge(), precision) + " - " +
                      FormatFixed(bins.HighEdge(), precision) + " fps",
                  {kMargin, below, size.width, below_bottom}, kLeft);
  canvas.DrawText(FormatUnsigned(tallest), {kMargin + 2, above, size.width, above_bottom}, kLeft);
}

// Marks the pixel column of each finite velocity.
void MarkColumns(std::span<const double> velocities, double low, double pixels_per_fps,
                 std::span<std::uint8_t> columns) {
  const auto last = static_cast<double>(columns.size() - 1);
  for (const double v : velocities) {
    if (!std::isfinite(v)) continue;
    const double column = std::clamp((v - low) * pixels_per_fps, 0.0, last);
    columns[static_cast<std::size_t>(static_cast<std::int64_t>(column))] = 1;
  }
}

// A tick below the axis at each shot's velocity, one per pixel column however many shots.
void DrawShotTicks(Canvas& canvas, std::span<const double> velocities, const Bins& bins,
                   std::int64_t plot_width, int axis_y) {
  std::vector<std::uint8_t> ticked(static_cast<std::size_t>(plot_width) + 1);
  MarkColumns(velocities, bins.LowEdge(),
              static_cast<double>(plot_width) / (bins.HighEdge() - bins.LowEdge()), ticked);
  for (std::size_t column = 0; column < ticked.size(); ++column) {
    if (!ticked[column]) continue;
    const int x = kMargin + static_cast<int>(column);
    canvas.MoveTo(x, axis_y);
    canvas.LineTo(x, axis_y + kTickLength);
  }
}

}  // namespace

void DrawSequentialGraph(Canvas& canvas, std::span<const double> velocities, CanvasSize size,
                         bool markers) {
  DrawAxes(canvas, size);
  const std::int64_t plot_width = std::int64_t{size.width} - 2 * kMargin;
  const std::int64_t plot_height = std::int64_t{size.height} - 2 * kMargin;
  if (velocities.size() < 3 || plot_width < 1 || plot_height < 1) return;

  double max = 0;
  double min = 100000;
  for (const double v : velocities) {
    if (v > max) max = v;
    if (v < min) min = v;
  }
  const VerticalScale scale(std::floor(min / 10) * 10, std::ceil(max / 10) * 10, size.height);
  const auto steps = static_cast<std::int64_t>(velocities.size()) - 1;
  if (steps <= plot_width) {
    DrawShotByShot(canvas, velocities, scale, static_cast<int>(plot_width / steps), markers);
  } else {
    DrawColumnByColumn(canvas, velocities, scale, plot_width, markers);
  }
}

void DrawHistogram(Canvas& canvas, std::span<const double> velocities, CanvasSize size,
                   bool markers) {
  DrawAxes(canvas, size);
  const std::int64_t plot_width = std::int64_t{size.width} - 2 * kMargin;
  const std::int64_t plot_height = std::int64_t{size.height} - 2 * kMargin;
  if (plot_width < 2 || plot_height < 1) return;

  double min = std::numeric_limits<double>::infinity();
  double max = -min;
  std::size_t shots = 0;
  for (const double v : velocities) {
    if (!std::isfinite(v)) continue;
    ++shots;
    min = std::min(min, v);
    max = std::max(max, v);
  }
  if (shots == 0) return;
  const std::optional<Bins> chosen = ChooseBins(min, max, shots, std::min(kMaxBins, plot_width));
  if (!chosen) return;

  const Bins& bins = *chosen;
  const BinIndex bin_index(bins);
  std::vector<std::uint64_t> counts(static_cast<std::size_t>(bins.count));
  for (const double v : velocities) {
    if (std::isfinite(v)) ++counts[bin_index(v)];
  }
  const int axis_y = size.height - kMargin;
  DrawBars(canvas, counts, plot_width, plot_height, axis_y);
  DrawLabels(canvas, bins, *std::max_element(counts.begin(), counts.end()), size);
  if (markers) DrawShotTicks(canvas, velocities, bins, plot_width, axis_y);
}

}  // namespace tarvik
