// The windows beside the main window: the statistics, the big display and the graph, opened and
// closed from its menu, following the series and remembering their frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/main_window.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/memory_settings.h"
#include "doubles/quiet_services.h"
#include "doubles/recording_canvas.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using S = StatisticsId;

class MainWindowDisplaysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services_.store = SettingsStore(std::unique_ptr<SettingsBackend>(memory_));
    window_.Initialize();
  }
  void Command(Id id) { window_.Command(static_cast<int>(id), Notification::kMenu); }
  void Shot() {
    platform_.line->to_program += "001234\r\n";
    window_.Tick(MainWindow::kTimerId);
  }
  testing::FakeDialog* Statistics() { return services_.windows.modeless_window(); }
  testing::FakePaintedWindow::Record& Painted(std::size_t i) {
    return *services_.windows.painted.at(i);
  }
  std::int32_t Stored(std::string_view name) { return services_.store.ReadSettingDword(name, -1); }

  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  testing::FakeClock clock_;
  testing::MemorySettings* memory_ = new testing::MemorySettings;
  testing::QuietServices services_;
  MainWindow window_{view_, state_, services_.With(clock_)};
};

TEST_F(MainWindowDisplaysTest, StatisticsWindowFollowsEveryChangeOfTheSeries) {
  Shot();
  Command(Id::kAdvancedStatistics);
  ASSERT_NE(Statistics(), nullptr);
  EXPECT_EQ(services_.windows.focus_returns, 1);
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "1");  // computed as it opens
  Shot();
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "2");
  Command(Id::kUndo);
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "1");
  Command(Id::kReset);
  EXPECT_EQ(Statistics()->Text(S::kShotCount), "0");
  Command(Id::kAdvancedStatistics);
  EXPECT_EQ(Statistics(), nullptr);
  Shot();  // nothing left to tell
}

TEST_F(MainWindowDisplaysTest, SetUpRetitlesTheStatisticsInTheUnitsInForce) {
  Shot();
  Command(Id::kAdvancedStatistics);
  state_.settings.metric = true;
  Command(Id::kSetUp);
  EXPECT_EQ(Statistics()->Text(S::kVelocityGroup), "m/s");
  EXPECT_EQ(Statistics()->Text(S::kVelocityFirst), " 193.16");
}

TEST_F(MainWindowDisplaysTest, BigDisplayOpensAtItsStoredFrameAndStoresItExactlyAsItCloses) {
  memory_->SetNumber("Big x", 300);
  memory_->SetText("Big w", "500");  // not a number value: the width held in memory stays
  Command(Id::kBig);
  ASSERT_EQ(services_.windows.painted.size(), 1u);
  const WindowPlacement opened = Painted(0).frame;
  EXPECT_EQ((std::vector{opened.x, opened.y, opened.width, opened.height}),
            (std::vector{300, 20, 200, 400}));
  Shot();
  Command(Id::kSetUp);
  EXPECT_EQ(Painted(0).invalidations, 2);
  Painted(0).frame = {40, 50, 320, 240};  // the user moved and sized it
  Command(Id::kBig);
  EXPECT_FALSE(Painted(0).open);
  EXPECT_EQ((std::vector{Stored("Big x"), Stored("Big y"), Stored("Big w"), Stored("Big h")}),
            (std::vector{40, 50, 320, 240}));
  // Reopened where it was, not a pixel larger.
  Command(Id::kBig);
  EXPECT_EQ(Painted(1).frame.width, 320);
  EXPECT_EQ(Painted(1).frame.height, 240);
}

TEST_F(MainWindowDisplaysTest, GraphFollowsTheSeriesAndItsPopupTicksAndCloses) {
  Command(Id::kGraphics);
  testing::FakePaintedWindow::Record& graph = Painted(0);
  Shot();
  Command(Id::kUndo);
  Command(Id::kReset);
  Command(Id::kLoadLog);
  EXPECT_EQ(graph.invalidations, 4);
  graph.popup_choice = static_cast<int>(GraphCommand::kHistogram);
  graph.events->RightClick(10, 10);
  EXPECT_EQ(graph.ticked, std::vector<int>{60});
  graph.popup_choice = static_cast<int>(GraphCommand::kShowMarkers);
  graph.events->RightClick(10, 10);
  EXPECT_EQ(graph.ticked, std::vector<int>{61});
  graph.popup_choice = static_cast<int>(GraphCommand::kStyle);  // inert
  graph.events->RightClick(10, 10);
  EXPECT_EQ(graph.ticked, (std::vector<int>{61, 63}));
  EXPECT_EQ(graph.invalidations, 6);
  graph.popup_choice = static_cast<int>(GraphCommand::kClose);
  graph.events->RightClick(10, 10);
  EXPECT_FALSE(graph.open);
  EXPECT_EQ(Stored("Graph w"), 200);
  // The choices last for the run.
  Command(Id::kGraphics);
  Painted(1).events->RightClick(0, 0);
  EXPECT_EQ(Painted(1).ticked, (std::vector<int>{61, 63}));
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
    return canvas.Only("line").size();
  };
  EXPECT_EQ(lines(), 2u + 4u);  // the axes and the five shots, all used
  DialogEvents& statistics = *services_.windows.modeless_logic();
  Statistics()->Type(S::kLastCount, "2", statistics);
  const int before = Painted(0).invalidations;
  Statistics()->Click(S::kUseLastOnly, statistics);
  EXPECT_EQ(Painted(0).invalidations, before + 1);
  EXPECT_EQ(lines(), 2u);  // two shots: the axes alone
}

TEST_F(MainWindowDisplaysTest, ClosingTheMainWindowClosesTheOthersAndStoresTheirFrames) {
  Command(Id::kAdvancedStatistics);
  Command(Id::kBig);
  Command(Id::kGraphics);
  window_.Destroyed();
  EXPECT_EQ(Statistics(), nullptr);
  EXPECT_FALSE(Painted(0).open || Painted(1).open);
  EXPECT_EQ(Stored("Big h") + Stored("Graph h"), 800);
}

}  // namespace
}  // namespace tarvik
