#include "measure/averages.h"

#include <gtest/gtest.h>

#include "doubles/fake_dialog_view.h"
#include "res/main_window_ids.h"

namespace tarvik {
namespace {

using testing::FakeDialogView;

class CountingNotifier : public StatisticsNotifier {
 public:
  void NotifyStatistics() override { ++notices; }
  int notices = 0;
};

class AveragesTest : public ::testing::Test {
 protected:
  void Append(std::initializer_list<double> velocities) {
    for (double v : velocities) series_.AppendShot(v);
  }
  ShotSeries series_;
  FakeDialogView view_;
  CountingNotifier statistics_;
};

TEST_F(AveragesTest, EmptySeriesBlanksTheAveragesAndGreysResetAndUndo) {
  view_.SetItemText(ids::kAverageVelocity, " 800.00");
  RefreshAverages(series_, 15.0, false, view_);
  EXPECT_EQ(view_.Text(ids::kShotCount), "0");
  EXPECT_EQ(view_.Text(ids::kAverageVelocity), "");
  EXPECT_EQ(view_.Text(ids::kAverageEnergy), "");
  EXPECT_FALSE(view_.MenuEnabled(ids::kCmdReset));
  EXPECT_FALSE(view_.MenuEnabled(ids::kCmdUndo));
}

TEST_F(AveragesTest, OneShot) {
  Append({800.9});
  RefreshAverages(series_, 15.0, false, view_);
  EXPECT_EQ(view_.Text(ids::kShotCount), "1");
  EXPECT_EQ(view_.Text(ids::kAverageVelocity), " 800.90");
  EXPECT_EQ(view_.Text(ids::kAverageEnergy), "  21.32");
  EXPECT_TRUE(view_.MenuEnabled(ids::kCmdReset));
  EXPECT_TRUE(view_.MenuEnabled(ids::kCmdUndo));
}

TEST_F(AveragesTest, AverageEnergyIsTheEnergyOfTheFlooredMean) {
  Append({800.0, 810.0, 790.5});
  RefreshAverages(series_, 15.0, false, view_);
  EXPECT_EQ(view_.Text(ids::kShotCount), "3");
  EXPECT_EQ(view_.Text(ids::kAverageVelocity), " 800.17");
  EXPECT_EQ(view_.Text(ids::kAverageEnergy), "  21.32");  // energy of 800 fps
}

TEST_F(AveragesTest, MetricConvertsOnlyWhatIsShown) {
  Append({800.0, 810.0, 790.5});
  RefreshAverages(series_, 15.0, true, view_);
  EXPECT_EQ(view_.Text(ids::kAverageVelocity), " 243.89");  // 800.1667 * 0.3048
  EXPECT_EQ(view_.Text(ids::kAverageEnergy), "  28.91");    // 21.3220 * 1.3557
  EXPECT_EQ(series_.at(2), 790.5);
}

TEST_F(AveragesTest, WeightReachesTheAverageEnergyOnlyAtTheNextRefresh) {
  Append({800.0});
  RefreshAverages(series_, 15.0, false, view_);
  EXPECT_EQ(view_.Text(ids::kAverageEnergy), "  21.32");
  RefreshAverages(series_, 30.0, false, view_);
  EXPECT_EQ(view_.Text(ids::kAverageEnergy), "  42.64");
}

TEST_F(AveragesTest, ResetAndUndoRefreshAndNotifyEvenWhenEmpty) {
  UndoLastShotCommand(series_, 15.0, false, view_, statistics_);
  EXPECT_EQ(view_.Text(ids::kShotCount), "0");
  EXPECT_FALSE(view_.MenuEnabled(ids::kCmdUndo));
  EXPECT_EQ(statistics_.notices, 1);

  Append({800.0, 810.0});
  UndoLastShotCommand(series_, 15.0, false, view_, statistics_);
  EXPECT_EQ(view_.Text(ids::kShotCount), "1");
  EXPECT_EQ(view_.Text(ids::kAverageVelocity), " 800.00");
  EXPECT_EQ(statistics_.notices, 2);

  ResetSeriesCommand(series_, 15.0, false, view_, statistics_);
  EXPECT_EQ(view_.Text(ids::kShotCount), "0");
  EXPECT_EQ(view_.Text(ids::kAverageVelocity), "");
  EXPECT_FALSE(view_.MenuEnabled(ids::kCmdReset));
  EXPECT_EQ(series_.capacity(), 100);
  ResetSeriesCommand(series_, 15.0, false, view_, statistics_);
  EXPECT_EQ(statistics_.notices, 4);
}

}  // namespace
}  // namespace tarvik
