#include "dialogs/compare_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "doubles/recording_canvas.h"

namespace tarvik {
namespace {

using testing::RecordingCanvas;

std::string Colour(Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

bool Has(const RecordingCanvas& canvas, std::string_view prefix) {
  return std::ranges::any_of(canvas.calls,
                             [&](const std::string& call) { return call.starts_with(prefix); });
}

std::vector<ChartSeries> Strings(int count) {
  std::vector<ChartSeries> series;
  for (int i = 0; i < count; ++i) {
    const double base = 780.0 + 10 * i;
    series.push_back({"String " + std::to_string(i + 1),
                      {{1, base}, {2, base + 3}, {4, base + 1}},
                      base + 4.0 / 3});
  }
  return series;
}

// Four colours apart from each other, also in lightness, so that a reader who cannot tell hues
// apart still tells the lines apart.
TEST(CompareChartTest, TheFourColoursDifferInLightness) {
  std::vector<int> lightness;
  for (int i = 0; i < kMostCompared; ++i) {
    const Rgb c = SeriesColour(i);
    lightness.push_back((299 * c.red + 587 * c.green + 114 * c.blue) / 1000);
  }
  std::ranges::sort(lightness);
  for (std::size_t i = 1; i < lightness.size(); ++i) {
    EXPECT_GE(lightness[i] - lightness[i - 1], 25) << lightness[i - 1] << " and " << lightness[i];
  }
}

// Each string is drawn in its own colour, solid for its shots and dashed for its average, and
// named in the legend beside a swatch of that colour.
TEST(CompareChartTest, EachStringHasItsColourItsDashedAverageAndALegendEntry) {
  const std::vector<ChartSeries> series = Strings(3);
  RecordingCanvas canvas(400, 300);
  PaintCompareChart(canvas, {series, "fps", "Shot", "none"});
  for (int i = 0; i < 3; ++i) {
    const std::string colour = Colour(SeriesColour(i));
    EXPECT_TRUE(Has(canvas, "pen " + colour)) << i;
    EXPECT_TRUE(std::ranges::count(canvas.calls, "pen " + colour + " dashed") == 1) << i;
    EXPECT_TRUE(Has(canvas, "text String " + std::to_string(i + 1) + " ")) << i;
    const auto swatch = std::ranges::find_if(canvas.calls, [&](const std::string& call) {
      return call.starts_with("fill [4,") && call.ends_with(colour);
    });
    EXPECT_NE(swatch, canvas.calls.end()) << i;
  }
  EXPECT_FALSE(Has(canvas, "text none"));
  EXPECT_TRUE(Has(canvas, "text fps"));
}

// A shot missing from the numbers (left out or undone) leaves its place empty: the line joins
// the shots on either side at their own numbers' places.
TEST(CompareChartTest, ShotsStandAtTheirNumbersPlaces) {
  std::vector<ChartSeries> one = {{"A", {{1, 800}, {4, 800}}, 800.0}};
  std::vector<ChartSeries> four = {{"A", {{1, 800}, {2, 800}, {3, 800}, {4, 800}}, 800.0}};
  RecordingCanvas gap(400, 300), full(400, 300);
  PaintCompareChart(gap, {one, "fps", "Shot", ""});
  PaintCompareChart(full, {four, "fps", "Shot", ""});
  const auto lines = [](const RecordingCanvas& canvas) {
    std::vector<std::string> found;
    for (const std::string& call : canvas.calls)
      if (call.starts_with("line ")) found.push_back(call);
    return found;
  };
  const std::vector<std::string> gap_lines = lines(gap);
  const std::vector<std::string> full_lines = lines(full);
  // The last shot's point is the same in both.
  EXPECT_NE(std::ranges::find(gap_lines, full_lines[full_lines.size() - 2]), gap_lines.end());
}

TEST(CompareChartTest, AFifthStringIsNotDrawnAndNoShotShowsTheEmptyText) {
  const std::vector<ChartSeries> five = Strings(5);
  RecordingCanvas canvas(400, 300);
  PaintCompareChart(canvas, {five, "fps", "Shot", "none"});
  EXPECT_TRUE(Has(canvas, "text String 4 "));
  EXPECT_FALSE(Has(canvas, "text String 5"));

  const std::vector<ChartSeries> empty = {{"A", {}, std::nullopt}};
  RecordingCanvas blank(400, 300);
  PaintCompareChart(blank, {empty, "fps", "Shot", "none"});
  EXPECT_TRUE(Has(blank, "text none "));
  RecordingCanvas tiny(10, 10);
  PaintCompareChart(tiny, {five, "fps", "Shot", "none"});
  EXPECT_EQ(tiny.calls.size(), 1u) << "only the ground without room for a plot";
}

}  // namespace
}  // namespace tarvik
