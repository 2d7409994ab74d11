// The graph window's pictures as drawing calls: the sequential line and the histogram.
#include "dialogs/graph_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "doubles/recording_canvas.h"

namespace tarvik {
namespace {

using Calls = std::vector<std::string>;

std::string At(const char* kind, int x, int y) {
  return std::string(kind) + " " + std::to_string(x) + "," + std::to_string(y);
}

Calls Axes(int width, int height) {
  return {"move 20,20", At("line", 20, height - 20), At("line", width - 20, height - 20)};
}

Calls Sequential(const std::vector<double>& shots, bool markers = false, int width = 240,
                 int height = 200) {
  testing::RecordingCanvas canvas(width, height);
  DrawSequentialGraph(canvas, shots, {width, height}, markers);
  return canvas.calls;
}

Calls Histogram(const std::vector<double>& shots, bool markers = false) {
  testing::RecordingCanvas canvas(240, 200);
  DrawHistogram(canvas, shots, {240, 200}, markers);
  return canvas.calls;
}

// The calls after the axes.
Calls Trace(Calls calls) { return Calls(calls.begin() + 3, calls.end()); }

TEST(SequentialGraphTest, FewerThanThreeShotsOrNoRoomDrawTheAxesOnly) {
  EXPECT_EQ(Sequential({}), Axes(240, 200));
  EXPECT_EQ(Sequential({512.3}), Axes(240, 200));
  EXPECT_EQ(Sequential({512.3, 498.7}), Axes(240, 200));
  const std::vector<double> three = {512.3, 498.7, 506.1};
  EXPECT_EQ(Sequential(three, true, 40, 200), Axes(40, 200));
  EXPECT_EQ(Sequential(three, true, 30, 200), Axes(30, 200));
  EXPECT_EQ(Sequential(three, true, 240, 40), Axes(240, 40));
}

TEST(SequentialGraphTest, ShotsSpanTheirBoundsRoundedToTens) {
  EXPECT_EQ(Sequential({512.3, 498.7, 506.1}),
            (Calls{"move 20,20", "line 20,180", "line 220,180", "move 20,61", "line 120,133",
                   "line 220,94"}));
  // Exact tens are their own bounds: 500 on the horizontal axis, 520 at the top.
  EXPECT_EQ(Trace(Sequential({500, 520, 510, 500})),
            (Calls{"move 20,180", "line 86,20", "line 152,100", "line 218,180"}));
  // The highest bound is never below 0.
  EXPECT_EQ(Trace(Sequential({-5, -15, -10})),
            (Calls{"move 20,60", "line 120,140", "line 220,100"}));
}

TEST(SequentialGraphTest, EqualOrAbsurdVelocitiesStayOnTheCanvas) {
  EXPECT_EQ(Trace(Sequential({500, 500, 500})),
            (Calls{"move 20,100", "line 120,100", "line 220,100"}));
  const double inf = std::numeric_limits<double>::infinity();
  for (const std::vector<double>& shots :
       {std::vector<double>{800, inf, 810},
        {-inf, 800, 810},
        {800, std::nan(""), 1e308, -1e308},
        {std::numeric_limits<double>::max(), 0, -std::numeric_limits<double>::max()}}) {
    for (const std::string& call : Sequential(shots, true)) {
      const int y = std::stoi(call.substr(call.find(',') + 1));
      EXPECT_TRUE(y >= -202 && y <= 402) << call;
    }
  }
}

TEST(SequentialGraphTest, MarkersOutlineEachDrawnPointAndTheLineGoesOnFromIt) {
  const Calls marked = Sequential({512.3, 498.7, 506.1}, true);
  for (const auto& [x, y] : {std::pair{20, 61}, {120, 133}, {220, 94}}) {
    for (const auto& [cx, cy] :
         {std::pair{x - 2, y - 2}, {x + 2, y - 2}, {x + 2, y + 2}, {x - 2, y + 2}}) {
      EXPECT_TRUE(std::ranges::count(marked, At("line", cx, cy)) +
                  std::ranges::count(marked, At("move", cx, cy)))
          << cx << "," << cy;
    }
  }
  EXPECT_TRUE(std::ranges::find(marked, "line 120,133")[-1].ends_with(" 20,61"));
  EXPECT_TRUE(std::ranges::find(marked, "line 220,94")[-1].ends_with(" 120,133"));
}

TEST(SequentialGraphTest, MoreShotsThanPixelsFillEveryColumnFromLowestToHighest) {
  std::vector<double> shots;
  for (int i = 0; i < 1000; ++i) shots.push_back(i % 2 == 0 ? 500 : 520);
  for (const bool markers : {false, true}) {
    const Calls trace = Trace(Sequential(shots, markers));
    EXPECT_LE(trace.size(), (markers ? 16u : 4u) * 201);
    std::set<std::string> points;
    for (const std::string& call : trace) points.insert(call.substr(5));
    for (int x = 20; x < 220; ++x) {
      EXPECT_TRUE(points.contains(std::to_string(x) + ",20") &&
                  points.contains(std::to_string(x) + ",180"))
          << x;
    }
    EXPECT_TRUE(trace.back().ends_with(" 220,20"));  // the last column holds the last shot alone
  }
}

TEST(HistogramTest, NothingToCountDrawsTheAxesOnly) {
  EXPECT_EQ(Histogram({}), Axes(240, 200));
  EXPECT_EQ(Histogram({std::nan("")}, true), Axes(240, 200));
}

TEST(HistogramTest, BinsOfANiceWidthWithTheRangeAndTallestCountLabelled) {
  // A spread of 17 fps in at least five bins: 2 fps wide, 800 to 820, eight of them occupied.
  const Calls calls = Trace(Histogram({801, 803, 805, 806, 807, 809, 811, 812, 818}));
  EXPECT_EQ(
      std::ranges::count_if(calls, [](const std::string& c) { return c.starts_with("move"); }), 8);
  // 806 and 807 share the fourth bin, the tallest, which reaches the top; the others stand half
  // as high.
  EXPECT_TRUE(std::ranges::count(calls, "line 80,20") && std::ranges::count(calls, "line 100,20"));
  EXPECT_TRUE(std::ranges::count(calls, "line 20,100") &&
              std::ranges::count(calls, "line 220,100"));
  EXPECT_EQ(Calls(calls.end() - 2, calls.end()),
            (Calls{"text 800 - 820 fps [20,184,240,200] 32", "text 2 [22,4,240,20] 32"}));
  // Tenths of a fps: each shot in its own bin, so all bars equal, labelled to one decimal.
  const Calls tenths = Histogram({800.0, 800.1, 800.2, 800.3, 800.4});
  EXPECT_EQ(std::ranges::count_if(tenths, [](const std::string& c) { return c.ends_with(",20"); }),
            1 + 5 * 2);
  EXPECT_EQ(std::ranges::count(tenths, "text 800.0 - 800.5 fps [20,184,240,200] 32"), 1);
}

TEST(HistogramTest, EqualVelocitiesMakeOneFullWidthBar) {
  for (const std::vector<double>& shots : {std::vector<double>{500}, {500, 500, 500}}) {
    const Calls calls = Trace(Histogram(shots));
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + 4),
              (Calls{"move 20,180", "line 20,20", "line 220,20", "line 220,180"}));
    EXPECT_EQ(calls.size(), 6u);
  }
}

TEST(HistogramTest, MarkersTickEachOccupiedPixelColumnOnce) {
  std::vector<double> shots(1000, 801);
  shots.insert(shots.end(), 1000, 809);
  shots.push_back(818);
  const Calls plain = Histogram(shots);
  const Calls marked = Histogram(shots, true);
  EXPECT_EQ(marked.size(), plain.size() + 3 * 2);
  EXPECT_EQ(std::ranges::count_if(marked, [](const std::string& c) { return c.ends_with(",183"); }),
            3);
}

}  // namespace
}  // namespace tarvik
