// The windows beside the main window: the statistics' figures, the big display's and the graph's
// pictures as drawing calls, and how the main window opens them, keeps them following the series,
// and closes them, remembering their frames.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dialogs/advanced_statistics.h"
#include "dialogs/big_display.h"
#include "dialogs/graph_painter.h"
#include "doubles/quiet_services.h"
#include "doubles/recording_canvas.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using S = StatisticsId;
using Calls = std::vector<std::string>;
using Ints = std::vector<int>;

class AdvancedStatisticsTest : public ::testing::Test {
 protected:
  // Three shots at 15 grains.
  void SetUp() override {
    for (const double v : {800.0, 810.0, 790.5}) state_.series.AppendShot(v);
    window_.Initialize();
  }
  // The number of shots, then minimum, maximum, average, range and RMS of the velocities and then
  // of the energies, as shown.
  std::string Figures() const {
    std::string shown = view_.Text(S::kShotCount) + "|";
    const int first = static_cast<int>(S::kVelocityFirst);  // the energies' follow
    for (int id = first; id < first + 10; ++id) shown += view_.GetItemText(id);
    return shown;
  }

  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  int selection_changes_ = 0;
  AdvancedStatistics window_{view_, state_, [this] { ++selection_changes_; }};
};

// The energies come from the unfloored velocities and the RMS divides by n.
TEST_F(AdvancedStatisticsTest, FiguresOfAllShots) {
  const std::pair<std::vector<double>, const char*> cases[] = {
      {{}, "0|"},
      {{800.0}, "1| 800.00 800.00 800.00   0.00   0.00  21.32  21.32  21.32   0.00   0.00"},
      {{800.0, 810.0, 790.5},
       "3| 790.50 810.00 800.17  19.50   7.96  20.82  21.86  21.33   1.04   0.42"},
  };
  for (const auto& [shots, figures] : cases) {
    state_.series.ResetSeries();
    for (const double v : shots) state_.series.AppendShot(v);
    window_.RecomputeStatistics();
    EXPECT_EQ(Figures(), figures);
  }
}

TEST_F(AdvancedStatisticsTest, TickingTheBoxUsesTheLastNOfTheTenOfferedAndEnablesTheField) {
  EXPECT_EQ(view_.Text(S::kLastCount), "10");
  EXPECT_FALSE(view_.IsItemChecked(static_cast<int>(S::kUseLastOnly)));
  EXPECT_EQ(view_.Text(S::kVelocityGroup) + " " + view_.Text(S::kEnergyGroup), "fps ft.lbs");
  view_.Type(S::kLastCount, "2", window_);
  EXPECT_EQ(view_.Text(S::kShotCount), "");  // nothing computed, typing alone included
  view_.Click(S::kUseLastOnly, window_);
  EXPECT_TRUE(view_.Enabled(S::kLastCount));
  EXPECT_EQ(selection_changes_, 1);
  EXPECT_EQ(Figures(), "3| 790.50 810.00 800.25  19.50   9.75  20.82  21.86  21.34   1.04   0.52");
  EXPECT_EQ(window_.LastCountInUse(), 2u);
  view_.Click(S::kUseLastOnly, window_);
  EXPECT_FALSE(view_.Enabled(S::kLastCount));
  EXPECT_THAT(Figures(), ::testing::StartsWith("3| 790.50 810.00 800.17"));
}

TEST_F(AdvancedStatisticsTest, AnNThatIsNotBelowTheCountOrNotANumberUsesAllShots) {
  view_.Click(S::kUseLastOnly, window_);
  for (const char* n : {"3", "4", "0", "", "ab", "2x", "-1", "99999999999"}) {
    view_.Type(S::kLastCount, n, window_);
    window_.RecomputeStatistics();
    EXPECT_THAT(Figures(), ::testing::StartsWith("3| 790.50 810.00 800.17")) << n;
    EXPECT_EQ(window_.LastCountInUse(), 0u) << n;
  }
  view_.Type(S::kLastCount, " 2", window_);  // leading blanks are read over
  EXPECT_EQ(window_.LastCountInUse(), 2u);
}

TEST_F(AdvancedStatisticsTest, RelabelShowsMetricUnitsAndConvertsEveryFigure) {
  state_.settings.metric = true;
  window_.RelabelStatistics();
  EXPECT_EQ(view_.Text(S::kVelocityGroup) + " " + view_.Text(S::kEnergyGroup), "m/s joules");
  // The figures in fps × 0.3048 and ft.lbs × 1.3557.
  EXPECT_EQ(Figures(), "3| 240.94 246.89 243.89   5.94   2.43  28.22  29.63  28.92   1.41   0.58");
}

// The big display of the shot with the default settings: the 12 ft.lbs limit, imperial units.
Calls PaintBig(const LastShot& shot, int width, int height) {
  testing::RecordingCanvas canvas(width, height);
  PaintBigDisplay(canvas, shot, AppSettings{}, UiLanguage::kNeutral);
  return canvas.calls;
}

// At start-up the display shows the defaults, both above the limit, in red.
TEST(BigDisplayTest, FiguresInAFontScaledToTheWindowRedAboveTheLimitOnly) {
  EXPECT_EQ(PaintBig({}, 200, 401), (Calls{"text Drag to resize [0,385,200,401] 42",
                                           "font 200x33 w900", "text 1234 [0,0,200,200] 5 red",
                                           "text 12.34 [0,200,200,385] 5 red", "default font"}));
  const Calls at_limit = PaintBig({800.0, 12.0}, 200, 400);
  EXPECT_EQ(Calls(at_limit.begin() + 2, at_limit.begin() + 4),
            (Calls{"text 800 [0,0,200,200] 5", "text 12.00 [0,200,200,384] 5"}));
  EXPECT_EQ(PaintBig({}, 5, 1)[1], "font 0x0 w900");  // a tiny area asks for the default size
}

TEST(BigDisplayTest, VelocityIsCutToWholeFpsOrShownInMetresWithOneDecimal) {
  EXPECT_EQ(BigVelocityText(999.99, false), "999");
  EXPECT_EQ(BigVelocityText(999.99, true), "304.8");
  EXPECT_EQ(BigEnergyText(12.344, false), "12.34");
  EXPECT_EQ(BigEnergyText(10.0, true), "13.56");
  // Values only absurd settings reach never overrun the display's text.
  EXPECT_EQ(BigVelocityText(1e30, false), "#######");
  EXPECT_EQ(BigVelocityText(1e30, true), "#######");
  EXPECT_EQ(BigEnergyText(-1e300, false), "#######");
}

using Shots = std::vector<double>;

std::string XY(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
std::string At(const char* kind, int x, int y) { return std::string(kind) + " " + XY(x, y); }

Calls Axes(int width, int height) {
  return {"move 20,20", At("line", 20, height - 20), At("line", width - 20, height - 20)};
}

// The calls that draw `picture` of the shots on a canvas of width × height.
Calls Draw(decltype(&DrawHistogram) picture, const Shots& shots, bool markers = false,
           int width = 240, int height = 200) {
  testing::RecordingCanvas canvas(width, height);
  picture(canvas, shots, {width, height}, markers);
  return canvas.calls;
}
Calls Sequential(const Shots& shots, bool markers = false, int width = 240, int height = 200) {
  return Draw(DrawSequentialGraph, shots, markers, width, height);
}

// The points the calls move or draw to, as XY gives them.
std::set<std::string> Points(const Calls& calls) {
  std::set<std::string> points;
  for (const std::string& call : calls) points.insert(call.substr(5));
  return points;
}

// The calls after the axes.
Calls Trace(Calls calls) { return Calls(calls.begin() + 3, calls.end()); }

TEST(GraphTest, TooFewShotsOrNoRoomDrawTheAxesOnly) {
  const Shots three = {512.3, 498.7, 506.1};
  const std::tuple<Shots, int, int> cases[] = {
      {{}, 240, 200},   {{512.3}, 240, 200}, {{512.3, 498.7}, 240, 200},
      {three, 40, 200}, {three, 30, 200},    {three, 240, 40}};
  for (const auto& [shots, width, height] : cases) {
    EXPECT_EQ(Sequential(shots, true, width, height), Axes(width, height)) << width << shots.size();
  }
  EXPECT_EQ(Draw(DrawHistogram, {}), Axes(240, 200));
  EXPECT_EQ(Draw(DrawHistogram, {std::nan("")}, true), Axes(240, 200));
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
  for (const Shots& shots :
       {Shots{800, inf, 810},
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
  std::set<std::string> corners;
  for (const auto& [x, y] : {std::pair{20, 61}, {120, 133}, {220, 94}}) {
    for (const int dx : {-2, 2}) {
      for (const int dy : {-2, 2}) corners.insert(XY(x + dx, y + dy));
    }
  }
  EXPECT_TRUE(std::ranges::includes(Points(marked), corners));
  EXPECT_TRUE(std::ranges::find(marked, "line 120,133")[-1].ends_with(" 20,61"));
  EXPECT_TRUE(std::ranges::find(marked, "line 220,94")[-1].ends_with(" 120,133"));
}

TEST(SequentialGraphTest, MoreShotsThanPixelsFillEveryColumnFromLowestToHighest) {
  Shots shots;
  for (int i = 0; i < 1000; ++i) shots.push_back(i % 2 == 0 ? 500 : 520);
  for (const bool markers : {false, true}) {
    const Calls trace = Trace(Sequential(shots, markers));
    EXPECT_LE(trace.size(), (markers ? 16u : 4u) * 201);
    const std::set<std::string> points = Points(trace);
    for (int x = 20; x < 220; ++x) {
      EXPECT_TRUE(points.contains(XY(x, 20)) && points.contains(XY(x, 180))) << x;
    }
    EXPECT_TRUE(trace.back().ends_with(" 220,20"));  // the last column holds the last shot alone
  }
}

TEST(HistogramTest, BinsOfANiceWidthWithTheRangeAndTallestCountLabelled) {
  // A spread of 17 fps in at least five bins: 2 fps wide, 800 to 820, eight of them occupied.
  const Calls calls = Trace(Draw(DrawHistogram, {801, 803, 805, 806, 807, 809, 811, 812, 818}));
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
  const Calls tenths = Draw(DrawHistogram, {800.0, 800.1, 800.2, 800.3, 800.4});
  EXPECT_EQ(std::ranges::count_if(tenths, [](const std::string& c) { return c.ends_with(",20"); }),
            1 + 5 * 2);
  EXPECT_EQ(std::ranges::count(tenths, "text 800.0 - 800.5 fps [20,184,240,200] 32"), 1);
}

TEST(HistogramTest, EqualVelocitiesMakeOneFullWidthBar) {
  for (const Shots& shots : {Shots{500}, {500, 500, 500}}) {
    const Calls calls = Trace(Draw(DrawHistogram, shots));
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + 4),
              (Calls{"move 20,180", "line 20,20", "line 220,20", "line 220,180"}));
    EXPECT_EQ(calls.size(), 6u);
  }
}

TEST(HistogramTest, MarkersTickEachOccupiedPixelColumnOnce) {
  Shots shots(1000, 801);
  shots.insert(shots.end(), 1000, 809);
  shots.push_back(818);
  const Calls plain = Draw(DrawHistogram, shots);
  const Calls marked = Draw(DrawHistogram, shots, true);
  EXPECT_EQ(marked.size(), plain.size() + 3 * 2);
  EXPECT_EQ(std::ranges::count_if(marked, [](const std::string& c) { return c.ends_with(",183"); }),
            3);
}

// A frame as x, y, width and height.
Ints Frame(const WindowPlacement& frame) { return {frame.x, frame.y, frame.width, frame.height}; }

class MainWindowDisplaysTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override { window_.Initialize(); }
  void Shot() { Receive("001234\r\n"); }
  testing::FakeDialog* Statistics() {
    return services_.windows.modeless ? &services_.windows.modeless->window : nullptr;
  }
  testing::FakePaintedWindow::Record& Painted(std::size_t i) {
    return *services_.windows.painted.at(i);
  }
  Ints StoredFrame(const setting::PlacementNames& names) {
    WindowPlacement stored{-1, -1, -1, -1};
    ReadWindowPlacement(services_.store, names, stored);
    return Frame(stored);
  }
};

TEST_F(MainWindowDisplaysTest, StatisticsWindowFollowsTheSeriesAndTheUnits) {
  Shot();
  Command(Id::kAdvancedStatistics);
  ASSERT_NE(Statistics(), nullptr);
  EXPECT_EQ(services_.windows.focus_returns, 1);
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "1");  // computed as it opens
  Shot();
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "2");
  Command(Id::kUndo);
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "1");
  state_.settings.metric = true;
  Command(Id::kSetUp);
  EXPECT_EQ(Statistics()->Text(S::kVelocityGroup) + Statistics()->Text(S::kVelocityFirst),
            "m/s 193.16");
  Command(Id::kReset);
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "0");
  Command(Id::kAdvancedStatistics);
  EXPECT_EQ(Statistics(), nullptr);
  Shot();  // nothing left to tell
}

TEST_F(MainWindowDisplaysTest, BigDisplayOpensAtItsStoredFrameAndStoresItExactlyAsItCloses) {
  memory_->SetNumber("Big x", 300);
  memory_->SetText("Big w", "500");  // not a number value: the width held in memory stays
  Command(Id::kBig);
  ASSERT_EQ(services_.windows.painted.size(), 1u);
  EXPECT_EQ(Frame(Painted(0).frame), (Ints{300, 20, 200, 400}));
  Shot();
  Command(Id::kSetUp);
  EXPECT_EQ(Painted(0).invalidations, 2);
  Painted(0).frame = {40, 50, 320, 240};  // the user moved and sized it
  Command(Id::kBig);
  EXPECT_FALSE(Painted(0).open);
  EXPECT_EQ(StoredFrame(setting::kBigDisplayPlacement), (Ints{40, 50, 320, 240}));
  Command(Id::kBig);  // reopened where it was, not a pixel larger
  EXPECT_EQ(Frame(Painted(1).frame), (Ints{40, 50, 320, 240}));
}

TEST_F(MainWindowDisplaysTest, GraphFollowsTheSeriesAndItsPopupTicksAndCloses) {
  Command(Id::kGraphics);
  testing::FakePaintedWindow::Record& graph = Painted(0);
  Shot();
  Command(Id::kUndo);
  Command(Id::kReset);
  Command(Id::kLoadLog);
  EXPECT_EQ(graph.invalidations, 4);
  // The user picks `choice`; the ticks the popup showed.
  const auto pick = [&graph](GraphCommand choice) {
    graph.popup_choice = static_cast<int>(choice);
    graph.events->RightClick(10, 10);
    return graph.ticked;
  };
  EXPECT_EQ(pick(GraphCommand::kHistogram), Ints{60});
  EXPECT_EQ(pick(GraphCommand::kShowMarkers), Ints{61});
  EXPECT_EQ(pick(GraphCommand::kStyle), (Ints{61, 63}));  // inert
  EXPECT_EQ(graph.invalidations, 6);
  pick(GraphCommand::kClose);
  EXPECT_FALSE(graph.open);
  EXPECT_EQ(StoredFrame(setting::kGraphPlacement), Frame({}));
  // The choices last for the run.
  Command(Id::kGraphics);
  Painted(1).events->RightClick(0, 0);
  EXPECT_EQ(Painted(1).ticked, (Ints{61, 63}));
}

TEST_F(MainWindowDisplaysTest, GraphOfSelectedShotsUsesTheLastNOfTheStatistics) {
  for (int i = 0; i < 5; ++i) Shot();
  Command(Id::kAdvancedStatistics);
  Command(Id::kGraphics);
  PaintedWindowEvents& graph = *Painted(0).events;
  Painted(0).popup_choice = static_cast<int>(GraphCommand::kSelectedOnly);
  graph.RightClick(0, 0);
  auto lines = [&graph] {
    testing::RecordingCanvas canvas(240, 200);
    graph.Paint(canvas);
    return std::ranges::count_if(canvas.calls,
                                 [](const std::string& call) { return call.starts_with("line"); });
  };
  EXPECT_EQ(lines(), 2 + 4);  // the axes and the five shots, all used
  DialogEvents& statistics = *services_.windows.modeless->logic;
  Statistics()->Type(S::kLastCount, "2", statistics);
  const int before = Painted(0).invalidations;
  Statistics()->Click(S::kUseLastOnly, statistics);
  EXPECT_EQ(Painted(0).invalidations, before + 1);
  EXPECT_EQ(lines(), 2);  // two shots: the axes alone
}

TEST_F(MainWindowDisplaysTest, ClosingTheMainWindowClosesTheOthersAndStoresTheirFrames) {
  Command(Id::kAdvancedStatistics);
  Command(Id::kBig);
  Command(Id::kGraphics);
  window_.Destroyed();
  EXPECT_EQ(Statistics(), nullptr);
  EXPECT_FALSE(Painted(0).open || Painted(1).open);
  EXPECT_EQ(StoredFrame(setting::kBigDisplayPlacement), Frame({}));
  EXPECT_EQ(StoredFrame(setting::kGraphPlacement), Frame({}));
}

}  // namespace
}  // namespace tarvik
