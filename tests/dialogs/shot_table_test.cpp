#include "dialogs/shot_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "doubles/memory_files.h"
#include "doubles/quiet_services.h"
#include "doubles/recording_canvas.h"
#include "res/config_templates.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using Strings = std::vector<std::string>;

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

class ShotTableTest : public testing::MainWindowFixture {
 protected:
  void OpenTable() {
    window_.Initialize();
    Command(Id::kShotTable);
    ASSERT_FALSE(services_.windows.tables.empty());
  }
  testing::FakeTableWindow::Record& Table() { return *services_.windows.tables.back(); }
  TableWindowEvents& Events() { return *Table().events; }
  Strings Row(int row) {
    Strings cells;
    for (int column = 0; column < ShotTable::kColumns; ++column) {
      cells.push_back(Events().CellText(row, column));
    }
    return cells;
  }
  // The figures' column of velocities, or of energies.
  Strings FigureColumn(int column) {
    Strings texts;
    for (const std::vector<std::string>& row : Events().Figures()) texts.push_back(row[column]);
    return texts;
  }
  void Select(std::vector<int> rows) {
    Table().selected = std::move(rows);
    Events().SelectionChanged();
  }
};

// Counts 1176, 1226 and 1300 at calibration 100 and 15 grains.
constexpr std::string_view kThreeShots = "001176\r\n001226\r\n001300\r\n";

TEST_F(ShotTableTest, EveryShotIsARowWithItsTimeCountAndMarkTheNewestKeptInView) {
  OpenTable();
  EXPECT_EQ(Table().texts.caption, "Shot table");
  EXPECT_EQ(Table().texts.columns[2].heading, "Velocity (fps)");
  EXPECT_EQ(Events().RowCount(), 0);
  Receive(kThreeShots);
  EXPECT_EQ(Events().RowCount(), 3);
  EXPECT_EQ(Table().scrolled_to, 2);
  EXPECT_EQ(Table().rows_changed.back(), 2) << "a new shot redraws only its own row";
  const Strings first = Row(0);
  EXPECT_EQ(first[ShotTable::kShot], "1");
  EXPECT_EQ(first[ShotTable::kTime], "09:30:00");
  EXPECT_EQ(first[ShotTable::kCount], "1176");
  EXPECT_EQ(first[ShotTable::kMark], "3");  // six digits
  // The last row as the main window shows the last shot.
  EXPECT_EQ(Row(2)[ShotTable::kVelocity] + "|" + Row(2)[ShotTable::kEnergy],
            Trimmed(Text(Id::kLastVelocity)) + "|" + Trimmed(Text(Id::kLastEnergy)));
  EXPECT_EQ(FigureColumn(1)[1], "3");
}

// A shot left out stays in the table, dimmed, and leaves every average: the main window's, the
// table's figures and the chart's; taking it in brings them back. Undo and Reset reach it.
TEST_F(ShotTableTest, AShotLeftOutLeavesEveryAverageAndTakingItInBringsItBack) {
  OpenTable();
  Receive(kThreeShots);
  const std::string all_three = Text(Id::kAverageVelocity);
  Select({1});
  EXPECT_TRUE(Table().Enabled(ShotTable::kLeaveOut));
  EXPECT_FALSE(Table().Enabled(ShotTable::kTakeIn));
  Events().Command(ShotTable::kLeaveOut);
  EXPECT_TRUE(Events().LookOfRow(1).dimmed);
  EXPECT_EQ(Events().RowCount(), 3);
  EXPECT_EQ(Text(Id::kShotCount), "2");
  EXPECT_NE(Text(Id::kAverageVelocity), all_three);
  EXPECT_EQ(FigureColumn(1)[1], "2 (1 left out)");
  EXPECT_FALSE(Table().Enabled(ShotTable::kLeaveOut));
  EXPECT_TRUE(Table().Enabled(ShotTable::kTakeIn));
  Events().Command(ShotTable::kTakeIn);
  EXPECT_EQ(Text(Id::kAverageVelocity), all_three);
  EXPECT_EQ(FigureColumn(1)[1], "3");

  // The last shot left out: Undo takes it away, and Reset stays possible with no shot counted.
  Select({0, 1, 2});
  Events().Command(ShotTable::kLeaveOut);
  EXPECT_EQ(Text(Id::kShotCount), "0");
  EXPECT_EQ(Text(Id::kAverageVelocity), "");
  EXPECT_TRUE(view_.MenuEnabled(Id::kUndo) && view_.MenuEnabled(Id::kReset));
  Command(Id::kUndo);
  EXPECT_EQ(Events().RowCount(), 2);
  Command(Id::kReset);
  EXPECT_EQ(Events().RowCount(), 0);
  EXPECT_FALSE(view_.MenuEnabled(Id::kUndo));
  EXPECT_EQ(FigureColumn(1)[2], "") << "no average of no shots";
}

// Above the limit is over; at it, not. The limit is compared in ft.lbs whatever the units shown.
TEST_F(ShotTableTest, OverTheLimitIsMarkedAboveItNotAtItInBothUnitSystems) {
  for (const bool metric : {false, true}) {
    state_.settings.metric = metric;
    OpenTable();
    Receive("001226\r\n");
    const double energy = state_.last_shot.energy;
    for (const auto& [limit, over] : std::vector<std::pair<double, bool>>{
             {energy - 0.01, true}, {energy, false}, {energy + 0.01, false}}) {
      state_.settings.legal_limit = limit;
      EXPECT_EQ(Events().LookOfRow(0).alert, over) << limit;
      EXPECT_EQ(Events().CellText(0, ShotTable::kLimit), over ? "over" : "") << limit;
    }
    Command(Id::kShotTable);
    Command(Id::kReset);
  }
}

TEST_F(ShotTableTest, TheLastEnergyTurnsRedAboveTheLimit) {
  window_.Initialize();
  Receive("001226\r\n");
  state_.settings.legal_limit = state_.last_shot.energy;
  Receive("001226\r\n");
  EXPECT_FALSE(view_.Alerted(Id::kLastEnergy)) << "at the limit";
  Receive("001225\r\n");
  EXPECT_TRUE(view_.Alerted(Id::kLastEnergy)) << "a little faster, above it";
  Receive("001226\r\n");
  EXPECT_FALSE(view_.Alerted(Id::kLastEnergy));
}

// The figures' energies are those the rows show, so that the lowest and highest are a row's.
TEST_F(ShotTableTest, ALoadedShotHasNoTimeCountOrMarkAndTheFiguresShowItsRowsEnergy) {
  state_.settings.log_file = "Tarvik.log";
  state_.settings.legal_limit = 100.0;
  services_.files.files["Tarvik.log"] = "800.90,21.32,15.00\r\n";
  OpenTable();
  Command(Id::kLoadLog);
  ASSERT_EQ(Events().RowCount(), 1);
  EXPECT_EQ(Row(0), (Strings{"1", "", "800.90", "21.32", "", "", ""}));
  EXPECT_EQ(FigureColumn(2)[2] + FigureColumn(2)[5] + FigureColumn(2)[6], "21.3221.3221.32");
}

TEST_F(ShotTableTest, ThePlacementIsStoredAsItClosesAndTheTableOpensThere) {
  OpenTable();
  EXPECT_EQ(Table().frame.width, 720);
  Table().frame = {30, 40, 500, 300};
  Events().CloseRequested();
  EXPECT_FALSE(Table().open);
  Command(Id::kShotTable);
  EXPECT_EQ(Table().frame.x + Table().frame.y + Table().frame.width + Table().frame.height,
            30 + 40 + 500 + 300);
}

TEST_F(ShotTableTest, TheChartPaintsTheShotsAndAClickSelectsTheShotUnderIt) {
  OpenTable();
  Receive(kThreeShots);
  testing::RecordingCanvas canvas(400, 300);
  Events().PaintChart(canvas);
  EXPECT_FALSE(canvas.calls.empty());
  for (int x = 0; x < 400 && Table().selected.empty(); ++x) {
    for (int y = 0; y < 300 && Table().selected.empty(); ++y) Events().ChartClicked(x, y);
  }
  ASSERT_EQ(Table().selected.size(), 1u);
  EXPECT_EQ(Table().scrolled_to, Table().selected.front());
}

// Apply in Set up changes the units while the sheet's loop runs and shots keep coming: the
// headings, the cells and the chart change together, and Set up reopens nothing.
TEST_F(ShotTableTest, UnitsAppliedWhileTheSheetIsOpenKeepTheTableInOneUnit) {
  OpenTable();
  Receive("001176\r\n001226\r\n");
  std::vector<double> axis_labels;
  std::string heading;
  services_.windows.sheet_script = [&](PropertySheet& sheet, auto& view) {
    testing::FakeDialog& page = view.pages[0];
    page.Click(ConfigId::kMetric, *sheet.page(0));
    sheet.ApplyNow();
    Receive("001300\r\n");  // a tick inside the sheet's loop
    heading = Table().texts.columns[ShotTable::kVelocity].heading;
    testing::RecordingCanvas canvas(400, 300);
    Events().PaintChart(canvas);
    for (const std::string& call : canvas.calls) {
      if (call.rfind("text ", 0) == 0 && call.find(" [4,") != std::string::npos) {
        const std::string label = call.substr(5, call.find(" [") - 5);
        if (!label.empty() && std::isdigit(static_cast<unsigned char>(label[0]))) {
          axis_labels.push_back(ParseDecimal(label));
        }
      }
    }
    sheet.Cancel();
  };
  Command(Id::kSetUp);
  ASSERT_FALSE(axis_labels.empty());
  EXPECT_LT(*std::max_element(axis_labels.begin(), axis_labels.end()), 400.0) << "all in m/s";
  EXPECT_EQ(heading, "Velocity (m/s)");
  EXPECT_EQ(services_.windows.tables.size(), 1u) << "Set up reopens nothing";
  EXPECT_TRUE(Table().open);
}

}  // namespace
}  // namespace tarvik
