// The shot table's chart as drawing calls, and a click matched to the shot drawn under it.
#include "dialogs/shot_chart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "doubles/recording_canvas.h"

namespace tarvik {
namespace {

using ::testing::Contains;
using ::testing::Not;
using testing::RecordingCanvas;

const std::string kFilled = "0,64,192";
const std::string kHighlight = "255,140,0";
const std::string kGrey = "150,150,150";

// A text call read back: its text and rectangle.
struct Text {
  std::string text;
  CanvasRect rect;
};

std::vector<Text> Texts(const std::vector<std::string>& calls) {
  std::vector<Text> texts;
  for (const std::string& call : calls) {
    if (call.rfind("text ", 0) != 0) continue;
    const std::size_t bracket = call.rfind('[');
    Text text{call.substr(5, bracket - 6), {}};
    std::sscanf(call.c_str() + bracket, "[%d,%d,%d,%d]", &text.rect.left, &text.rect.top,
                &text.rect.right, &text.rect.bottom);
    texts.push_back(text);
  }
  return texts;
}

// Where the header says shot i stands.
int ShotX(const ChartPlot& plot, std::int64_t i) {
  const double per_shot = static_cast<double>(plot.right - plot.left) / plot.shots;
  return plot.left + 1 + static_cast<int>((i + 0.5) * per_shot);
}
int ShotY(const ChartPlot& plot, double v) {
  const double per_value = (plot.bottom - plot.top) / (plot.high - plot.low);
  return static_cast<int>(plot.bottom - (v - plot.low) * per_value + 0.5);
}

// 1, 2 or 5 times a power of ten.
bool IsRound(double step) {
  const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  const double factor = step / power;
  return std::abs(factor - 1) < 1e-9 || std::abs(factor - 2) < 1e-9 || std::abs(factor - 5) < 1e-9;
}
std::string Fill(int x, int y, int half, const std::string& colour) {
  return "fill [" + std::to_string(x - half) + "," + std::to_string(y - half) + "," +
         std::to_string(x + half + 1) + "," + std::to_string(y + half + 1) + "] " + colour;
}

bool Overlap(const CanvasRect& a, const CanvasRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Painted {
  std::vector<std::string> calls;
  ChartPlot plot;
};

Painted Paint(const ChartInput& input, int width = 400, int height = 300) {
  RecordingCanvas canvas(width, height);
  const std::optional<ChartPlot> plot = PaintShotChart(canvas, input);
  EXPECT_TRUE(plot.has_value());
  return {canvas.calls, plot.value_or(ChartPlot{})};
}

TEST(ShotChartTest, NoShotsDrawsTheAxesAndTheCallersText) {
  const Painted painted = Paint({.unit = "fps", .empty_text = "No shots"});
  const ChartPlot& plot = painted.plot;
  EXPECT_EQ(painted.calls.front(), "fill [0,0,400,300] 255,255,255");
  EXPECT_THAT(painted.calls,
              Contains("line " + std::to_string(plot.left) + "," + std::to_string(plot.bottom)));
  const std::vector<Text> texts = Texts(painted.calls);
  ASSERT_EQ(texts.size(), 2u);  // no numbers on the axes: there is nothing to measure them by
  EXPECT_EQ(texts[0].text, "fps");
  EXPECT_EQ(texts[1].text, "No shots");
  EXPECT_EQ(texts[1].rect, (CanvasRect{plot.left + 1, plot.top, plot.right + 1, plot.bottom}));
  EXPECT_EQ(ShotAtPoint({}, plot, plot.left + 10, plot.bottom - 10), std::nullopt);
}

TEST(ShotChartTest, OneShotStandsMidPlotOnALabelledAxis) {
  const double velocities[] = {801.37};
  const Painted painted = Paint({.velocities = velocities, .average = 801.37, .unit = "fps"});
  const ChartPlot& plot = painted.plot;
  const int x = ShotX(plot, 0);
  EXPECT_NEAR(x, (plot.left + plot.right) / 2, 1);
  EXPECT_THAT(painted.calls, Contains(Fill(x, ShotY(plot, 801.37), 2, kFilled)));
  EXPECT_LT(plot.low, 801.37);
  EXPECT_GT(plot.high, 801.37);
  // No deviation, no band.
  EXPECT_FALSE(std::any_of(painted.calls.begin(), painted.calls.end(),
                           [](const std::string& call) { return call.ends_with("214,228,250"); }));
  std::vector<std::string> shot_labels;
  for (const Text& text : Texts(painted.calls)) {
    if (text.rect.top > plot.bottom) shot_labels.push_back(text.text);
  }
  EXPECT_EQ(shot_labels, std::vector<std::string>{"1"});
}

// Two counted shots joined, in a band of one sample standard deviation about their average,
// the average dashed over them.
TEST(ShotChartTest, TwoShotsWithTheirAverageAndBand) {
  const double velocities[] = {800.0, 810.0};
  const double deviation = std::sqrt(50.0);
  const Painted painted = Paint(
      {.velocities = velocities, .average = 805.0, .standard_deviation = deviation, .unit = "fps"});
  const ChartPlot& plot = painted.plot;
  const int x0 = ShotX(plot, 0);
  const int x1 = ShotX(plot, 1);
  const int y0 = ShotY(plot, 800.0);
  const int y1 = ShotY(plot, 810.0);
  const auto& calls = painted.calls;
  const auto band = std::find(
      calls.begin(), calls.end(),
      "fill [" + std::to_string(plot.left + 1) + "," +
          std::to_string(ShotY(plot, 805.0 + deviation)) + "," + std::to_string(plot.right + 1) +
          "," + std::to_string(ShotY(plot, 805.0 - deviation) + 1) + "] 214,228,250");
  const auto average = std::find(calls.begin(), calls.end(), "pen 0,128,0 dashed");
  const auto join = std::find(calls.begin(), calls.end(),
                              "move " + std::to_string(x0) + "," + std::to_string(y0));
  ASSERT_NE(band, calls.end());
  ASSERT_NE(average, calls.end());
  ASSERT_NE(join, calls.end());
  EXPECT_EQ(*(average + 2),
            "line " + std::to_string(plot.right + 1) + "," + std::to_string(ShotY(plot, 805.0)));
  EXPECT_EQ(*(join + 1), "line " + std::to_string(x1) + "," + std::to_string(y1));
  // The band behind the shots, the average over them.
  const auto marker = std::find(calls.begin(), calls.end(), Fill(x1, y1, 2, kFilled));
  EXPECT_LT(band, join);
  EXPECT_LT(join, marker);
  EXPECT_LT(marker, average);
}

TEST(ShotChartTest, LeftOutShotsAreHollowAndNotJoined) {
  const double velocities[] = {800.0, 900.0, 810.0};
  const std::uint8_t left_out[] = {0, 1, 0};
  const Painted painted = Paint({.velocities = velocities, .left_out = left_out, .unit = "fps"});
  const ChartPlot& plot = painted.plot;
  const auto& calls = painted.calls;
  const int x1 = ShotX(plot, 1);
  const int y1 = ShotY(plot, 900.0);
  const auto join = std::find(
      calls.begin(), calls.end(),
      "move " + std::to_string(ShotX(plot, 0)) + "," + std::to_string(ShotY(plot, 800.0)));
  ASSERT_NE(join, calls.end());
  EXPECT_EQ(*(join + 1),
            "line " + std::to_string(ShotX(plot, 2)) + "," + std::to_string(ShotY(plot, 810.0)));
  const auto hollow = std::find(calls.begin(), calls.end(), "pen " + kGrey);
  ASSERT_NE(hollow, calls.end());
  EXPECT_EQ(*(hollow + 1), "move " + std::to_string(x1 - 2) + "," + std::to_string(y1 - 2));
  EXPECT_EQ(*(hollow + 5), "line " + std::to_string(x1 - 2) + "," + std::to_string(y1 - 2));
  EXPECT_THAT(calls, Not(Contains(Fill(x1, y1, 2, kFilled))));
  EXPECT_THAT(calls, Contains(Fill(ShotX(plot, 2), ShotY(plot, 810.0), 2, kFilled)));
}

TEST(ShotChartTest, TheSelectedShotStandsOnALargerSquareOfItsOwn) {
  const double velocities[] = {800.0, 805.0, 810.0};
  const std::uint8_t left_out[] = {0, 1};
  for (const int selected : {0, 1}) {
    const Painted painted = Paint(
        {.velocities = velocities, .left_out = left_out, .selected = selected, .unit = "fps"});
    const ChartPlot& plot = painted.plot;
    const int x = ShotX(plot, selected);
    const int y = ShotY(plot, velocities[selected]);
    const auto& calls = painted.calls;
    const auto highlight = std::find(calls.begin(), calls.end(), Fill(x, y, 4, kHighlight));
    ASSERT_NE(highlight, calls.end()) << selected;
    // The shot's own square on top: filled when counted, hollow when left out.
    EXPECT_EQ(*(highlight + 1), Fill(x, y, 2, selected == 0 ? kFilled : "255,255,255"));
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& call) { return call.ends_with(kHighlight); }),
              1);
  }
}

// Labels in round steps, measured so that none overlaps another or leaves the client area.
TEST(ShotChartTest, AxisLabelsAreRoundAndApart) {
  std::vector<double> velocities;
  for (int i = 0; i < 137; ++i) velocities.push_back(783.4 + (i * 37 % 41));
  const Painted painted =
      Paint({.velocities = velocities, .unit = "m/s", .shot_axis = "Shot"}, 700, 400);
  const std::vector<Text> texts = Texts(painted.calls);
  std::vector<double> values;
  std::vector<int> numbers;
  for (const Text& text : texts) {
    EXPECT_GE(text.rect.left, 0);
    EXPECT_GE(text.rect.top, 0);
    EXPECT_LE(text.rect.right, 700);
    EXPECT_LE(text.rect.bottom, 400);
    // Wide enough for the text at 7 pixels a character.
    EXPECT_GE(text.rect.right - text.rect.left, 7 * static_cast<int>(text.text.size()));
    if (text.rect.right <= painted.plot.left) values.push_back(std::stod(text.text));
    if (text.rect.top > painted.plot.bottom && text.text != "Shot") {
      numbers.push_back(std::stoi(text.text));
    }
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_FALSE(Overlap(texts[i].rect, texts[j].rect)) << texts[i].text << " " << texts[j].text;
    }
  }
  ASSERT_GE(values.size(), 3u);
  ASSERT_GE(numbers.size(), 3u);
  EXPECT_LE(values.front(), 783.4);
  EXPECT_GE(values.back(), 823.4);
  const double value_step = values[1] - values[0];
  EXPECT_TRUE(IsRound(value_step)) << value_step;
  for (std::size_t i = 1; i < values.size(); ++i) {
    EXPECT_NEAR(values[i] - values[i - 1], value_step, 1e-9);
  }
  const int number_step = numbers.front();  // the first multiple of the step
  EXPECT_TRUE(IsRound(number_step)) << number_step;
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    EXPECT_EQ(numbers[i] - numbers[i - 1], number_step);
  }
  EXPECT_GT(numbers.back() + number_step, 137);
}

// Steps below a whole velocity get as many decimals as they need.
TEST(ShotChartTest, NearEqualVelocitiesGetDecimalLabels) {
  const double velocities[] = {800.01, 800.03, 800.02};
  std::vector<std::string> labels;
  const Painted painted = Paint({.velocities = velocities, .unit = "fps"});
  for (const Text& text : Texts(painted.calls)) {
    if (text.rect.right <= painted.plot.left) labels.push_back(text.text);
  }
  ASSERT_GE(labels.size(), 2u);
  EXPECT_EQ(labels.front(), "800.00");
  EXPECT_EQ(labels[1], "800.01");
}

// More shots than pixel columns: a few calls a column however long the string, every point in
// the plot, and the left-out shots as grey strokes of their own.
TEST(ShotChartTest, LongStringsCostAFewCallsAColumn) {
  for (const int shots : {1'000, 100'000}) {
    std::vector<double> velocities;
    std::vector<std::uint8_t> left_out;
    for (int i = 0; i < shots; ++i) {
      velocities.push_back(780.0 + (i * 7919 % 400) / 10.0);
      left_out.push_back(i % 97 == 0 ? 1 : 0);
    }
    const Painted painted = Paint({.velocities = velocities, .left_out = left_out, .unit = "fps"});
    const ChartPlot& plot = painted.plot;
    const int columns = plot.right - plot.left;
    EXPECT_LT(painted.calls.size(), static_cast<std::size_t>(6 * columns + 100)) << shots;
    const auto strokes = std::find(painted.calls.begin(), painted.calls.end(), "pen " + kGrey);
    ASSERT_NE(strokes, painted.calls.end());
    for (auto call = strokes; call != painted.calls.end(); ++call) {
      int x = 0;
      int y = 0;
      if (std::sscanf(call->c_str(), "line %d,%d", &x, &y) != 2) continue;
      EXPECT_GE(x, plot.left);
      EXPECT_LE(x, plot.right + 1);
      EXPECT_GE(y, plot.top);
      EXPECT_LE(y, plot.bottom + 1);
    }
  }
}

// No size, however small, crashes or draws outside the client area; too small for a plot, only
// the ground is painted.
TEST(ShotChartTest, TinyCanvasesStayInside) {
  const double velocities[] = {800.0, 805.0, 810.0};
  int plots = 0;
  for (const auto& [width, height] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{30, 30},
                                      std::pair{90, 80}, std::pair{300, 60}, std::pair{60, 300}}) {
    RecordingCanvas canvas(width, height);
    const std::optional<ChartPlot> plot =
        PaintShotChart(canvas, {.velocities = velocities, .selected = 1, .unit = "fps"});
    for (const std::string& call : canvas.calls) {
      if (call.starts_with("text ")) continue;
      EXPECT_EQ(call.find('-'), std::string::npos) << width << "x" << height << ": " << call;
    }
    for (const Text& text : Texts(canvas.calls)) {
      EXPECT_GE(text.rect.left, 0);
      EXPECT_LE(text.rect.left, text.rect.right);
      EXPECT_LE(text.rect.right, width);
      EXPECT_LE(text.rect.bottom, height);
    }
    if (plot) {
      ++plots;
      EXPECT_THAT(canvas.calls,
                  Contains(Fill(ShotX(*plot, 1), ShotY(*plot, 805.0), 4, kHighlight)));
    } else {
      EXPECT_LE(canvas.calls.size(), 1u) << width << "x" << height;
    }
  }
  EXPECT_EQ(plots, 2);
}

// A log file may hold anything: absurd velocities stand at the plot's edges, and the others keep
// their scale.
TEST(ShotChartTest, AbsurdVelocitiesStandAtTheEdges) {
  const double velocities[] = {800.0, 1e300, std::nan(""), -std::numeric_limits<double>::infinity(),
                               810.0};
  const Painted painted = Paint({.velocities = velocities, .unit = "fps"});
  const ChartPlot& plot = painted.plot;
  EXPECT_LT(plot.high - plot.low, 100);
  EXPECT_THAT(painted.calls, Contains(Fill(ShotX(plot, 1), plot.top, 2, kFilled)));
  EXPECT_THAT(painted.calls, Contains(Fill(ShotX(plot, 2), plot.bottom, 2, kFilled)));
  EXPECT_THAT(painted.calls, Contains(Fill(ShotX(plot, 3), plot.bottom, 2, kFilled)));
}

TEST(ShotChartTest, AClickTakesTheNearestShotWithinAFewPixels) {
  const double velocities[] = {800.0, 820.0, 805.0, 805.5};
  const std::uint8_t left_out[] = {0, 1};
  const ChartInput input{.velocities = velocities, .left_out = left_out, .unit = "fps"};
  const ChartPlot plot = Paint(input).plot;
  for (int i = 0; i < 4; ++i) {
    const int x = ShotX(plot, i);
    const int y = ShotY(plot, velocities[i]);
    EXPECT_EQ(ShotAtPoint(input, plot, x, y), i);  // a left-out shot too, to take it in again
    EXPECT_EQ(ShotAtPoint(input, plot, x + 3, y - 3), i);
  }
  EXPECT_EQ(ShotAtPoint(input, plot, ShotX(plot, 0), ShotY(plot, 800.0) - 12), std::nullopt);
  EXPECT_EQ(ShotAtPoint(input, plot, plot.left, plot.top), std::nullopt);
  EXPECT_EQ(ShotAtPoint(input, plot, -50, 5000), std::nullopt);
}

// A click among a hundred thousand shots finds one drawn there, looking at a few columns only.
TEST(ShotChartTest, AClickInALongStringFindsAShotDrawnThere) {
  std::vector<double> velocities;
  for (int i = 0; i < 100'000; ++i) velocities.push_back(780.0 + (i * 7919 % 400) / 10.0);
  const ChartInput input{.velocities = velocities, .unit = "fps"};
  const ChartPlot plot = Paint(input).plot;
  for (const int shot : {0, 31'415, 99'999}) {
    const int x = ShotX(plot, shot);
    const int y = ShotY(plot, velocities[shot]);
    const std::optional<int> found = ShotAtPoint(input, plot, x, y);
    ASSERT_TRUE(found.has_value()) << shot;
    EXPECT_EQ(ShotX(plot, *found), x);
    EXPECT_EQ(ShotY(plot, velocities[*found]), y);
  }
}

}  // namespace
}  // namespace tarvik
