#include "dialogs/advanced_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"

namespace tarvik {
namespace {

using Id = StatisticsId;
using Texts = std::vector<std::string>;

class AdvancedStatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override { window_.Initialize(); }
  void Shots(std::initializer_list<double> velocities) {
    for (const double v : velocities) state_.series.AppendShot(v);
  }
  // The five figures of a column: minimum, maximum, average, range, RMS.
  Texts Column(Id first) const {
    Texts figures;
    for (int i = 0; i < 5; ++i) {
      figures.push_back(view_.Text(static_cast<Id>(static_cast<int>(first) + i)));
    }
    return figures;
  }

  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  int selection_changes_ = 0;
  AdvancedStatistics window_{view_, state_, [this] { ++selection_changes_; }};
};

TEST_F(AdvancedStatisticsTest, OpensWithTenShotsOfferedAndNothingComputed) {
  EXPECT_EQ(view_.Text(Id::kLastCount), "10");
  EXPECT_FALSE(view_.IsItemChecked(static_cast<int>(Id::kUseLastOnly)));
  EXPECT_EQ(view_.Text(Id::kVelocityGroup) + " " + view_.Text(Id::kEnergyGroup), "fps ft.lbs");
  EXPECT_FALSE(view_.HasText(Id::kShotCount));
}

TEST_F(AdvancedStatisticsTest, EmptySeriesShowsNoFigures) {
  window_.RecomputeStatistics();
  EXPECT_EQ(view_.Text(Id::kShotCount), "0");
  EXPECT_EQ(Column(Id::kVelocityFirst), Texts(5, ""));
  EXPECT_EQ(Column(Id::kEnergyFirst), Texts(5, ""));
}

TEST_F(AdvancedStatisticsTest, OneShotHasNoSpread) {
  Shots({800.0});
  window_.RecomputeStatistics();
  EXPECT_EQ(Column(Id::kVelocityFirst),
            (Texts{" 800.00", " 800.00", " 800.00", "   0.00", "   0.00"}));
  EXPECT_EQ(Column(Id::kEnergyFirst),
            (Texts{"  21.32", "  21.32", "  21.32", "   0.00", "   0.00"}));
}

// The energies come from the unfloored velocities and the RMS divides by n.
TEST_F(AdvancedStatisticsTest, ThreeShotsAllUsed) {
  Shots({800.0, 810.0, 790.5});
  window_.RecomputeStatistics();
  EXPECT_EQ(view_.Text(Id::kShotCount), "3");
  EXPECT_EQ(Column(Id::kVelocityFirst),
            (Texts{" 790.50", " 810.00", " 800.17", "  19.50", "   7.96"}));
  EXPECT_EQ(Column(Id::kEnergyFirst),
            (Texts{"  20.82", "  21.86", "  21.33", "   1.04", "   0.42"}));
}

TEST_F(AdvancedStatisticsTest, TickingTheBoxUsesTheLastNAndEnablesTheField) {
  Shots({800.0, 810.0, 790.5});
  view_.Type(Id::kLastCount, "2", window_);
  EXPECT_FALSE(view_.HasText(Id::kShotCount));  // typing alone does not recompute
  view_.Click(Id::kUseLastOnly, window_);
  EXPECT_TRUE(view_.Enabled(Id::kLastCount));
  EXPECT_EQ(selection_changes_, 1);
  EXPECT_EQ(view_.Text(Id::kShotCount), "3");
  EXPECT_EQ(Column(Id::kVelocityFirst),
            (Texts{" 790.50", " 810.00", " 800.25", "  19.50", "   9.75"}));
  EXPECT_EQ(Column(Id::kEnergyFirst)[2] + Column(Id::kEnergyFirst)[4], "  21.34   0.52");
  EXPECT_EQ(window_.LastCountInUse(), 2u);
  view_.Click(Id::kUseLastOnly, window_);
  EXPECT_FALSE(view_.Enabled(Id::kLastCount));
  EXPECT_EQ(view_.Text(Id::kVelocityFirst), " 790.50");
  EXPECT_EQ(Column(Id::kVelocityFirst)[2], " 800.17");
}

TEST_F(AdvancedStatisticsTest, AnNThatIsNotBelowTheCountOrNotANumberUsesAllShots) {
  Shots({800.0, 810.0, 790.5});
  view_.Click(Id::kUseLastOnly, window_);
  for (const char* n : {"3", "4", "0", "", "ab", "2x", "-1", "99999999999"}) {
    view_.Type(Id::kLastCount, n, window_);
    window_.RecomputeStatistics();
    EXPECT_EQ(Column(Id::kVelocityFirst)[2], " 800.17") << n;
    EXPECT_EQ(window_.LastCountInUse(), 0u) << n;
  }
  view_.Type(Id::kLastCount, " 2", window_);  // leading blanks are read over
  EXPECT_EQ(window_.LastCountInUse(), 2u);
}

TEST_F(AdvancedStatisticsTest, RelabelShowsMetricUnitsAndConvertsEveryFigure) {
  Shots({800.0, 810.0, 790.5});
  state_.settings.metric = true;
  window_.RelabelStatistics();
  EXPECT_EQ(view_.Text(Id::kVelocityGroup) + " " + view_.Text(Id::kEnergyGroup), "m/s joules");
  // 790.50, 810.00, 800.17, 19.50, 7.96 fps × 0.3048; 20.82 ... 0.42 ft.lbs × 1.3557.
  EXPECT_EQ(Column(Id::kVelocityFirst),
            (Texts{" 240.94", " 246.89", " 243.89", "   5.94", "   2.43"}));
  EXPECT_EQ(Column(Id::kEnergyFirst),
            (Texts{"  28.22", "  29.63", "  28.92", "   1.41", "   0.58"}));
}

}  // namespace
}  // namespace tarvik
