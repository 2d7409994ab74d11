#include "dialogs/history_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/history_fixture.h"
#include "dialogs/history_help.h"
#include "doubles/recording_canvas.h"

namespace tarvik {
namespace {

using testing::Shot;
using testing::Strings;

constexpr std::string_view kNamed = "2026-12-07_093001";
constexpr std::string_view kUnnamed = "2026-12-08_101500";

class HistoryWindowTest : public testing::HistoryFixture {
 protected:
  // An older named string of three shots, one left out, and a newer unnamed one of one shot.
  void AddTwoStrings() {
    AddString(kNamed, {Shot(1, "800"), Shot(2, "804"), Shot(3, "900"),
                       "out,3,2026-12-07T09:31:00.000+01:00,,,,,,,,",
                       "name,,2026-12-07T09:32:00.000+01:00,,,,,,,,\"Morning, JSB\"",
                       "notes,,2026-12-07T09:32:00.000+01:00,,,,,,,,\"8.44 gr\nsecond line\""});
    AddString(kUnnamed, {Shot(1, "790", "08")});
  }
  void Open() {
    window_.Toggle();
    ASSERT_TRUE(window_.IsOpen());
  }
  testing::FakeTableWindow::Record& Table() { return *windows_.tables.front(); }
  TableWindowEvents& Events() { return *Table().events; }
  Strings Row(int row) {
    Strings cells;
    for (int column = 0; column < HistoryWindow::kColumns; ++column)
      cells.push_back(Events().CellText(row, column));
    return cells;
  }
  void Select(std::vector<int> rows) {
    Table().selected = std::move(rows);
    Events().SelectionChanged();
  }
  void Run(int command) { Events().Command(command); }

  HistoryWindow window_{Services(), state_};
};

TEST_F(HistoryWindowTest, ListsNewestFirstWithBlanksUnnamedStringsByTheirDateInTheUnitsInUse) {
  AddTwoStrings();
  Open();
  EXPECT_EQ(Table().texts.caption, "History");
  EXPECT_EQ(Table().texts.columns[HistoryWindow::kAverage].heading, "Average (fps)");
  ASSERT_EQ(Events().RowCount(), 2);
  // One shot: no deviation.
  Strings newer = Row(0);
  newer.erase(newer.begin() + HistoryWindow::kSpread);
  EXPECT_EQ(newer, (Strings{"2026-12-08 09:30", "2026-12-08 09:30", "1", "790.00", "", ""}));
  // The left-out shot counts nowhere; the notes show their first line.
  EXPECT_EQ(Row(1), (Strings{"2026-12-07 09:30", "Morning, JSB", "2", "802.00", "4.00", "2.83",
                             "8.44 gr"}));
  // The units in use follow into the headings and cells.
  state_.settings.metric = true;
  window_.StringsChanged();
  EXPECT_EQ(Table().texts.columns[HistoryWindow::kAverage].heading, "Average (m/s)");
  EXPECT_EQ(Row(1)[HistoryWindow::kAverage], "244.45");  // 802 fps
}

TEST_F(HistoryWindowTest, OneSelectedStringShowsItsFiguresAndTheButtonsFollowTheSelection) {
  AddTwoStrings();
  Open();
  EXPECT_FALSE(Table().Enabled(HistoryWindow::kOpen));
  EXPECT_FALSE(Table().Enabled(HistoryWindow::kDelete));
  EXPECT_FALSE(Table().Enabled(HistoryWindow::kSaveChart));
  EXPECT_TRUE(Table().Enabled(HistoryWindow::kExport))
      << "exports every string when none is selected";
  EXPECT_TRUE(Events().Figures().empty());
  Select({1});
  EXPECT_TRUE(Table().Enabled(HistoryWindow::kRename));
  const auto figures = Events().Figures();
  ASSERT_EQ(figures.size(), 8u);
  Strings column;
  for (const auto& row : figures) column.push_back(row.at(1));
  EXPECT_EQ(column, (Strings{"Morning, JSB", "2 (1 left out)", "802.00", "4.00", "2.83", "800.00",
                             "804.00", "15.00"}));
  EXPECT_EQ(figures[7][0], "Weight (grains)");
  Select({0, 1});
  EXPECT_FALSE(Table().Enabled(HistoryWindow::kRename)) << "one string is named at a time";
  EXPECT_TRUE(Table().Enabled(HistoryWindow::kDelete));
}

// Two to four strings side by side in the order listed; more than four show the first four,
// and the corner says how many of how many.
TEST_F(HistoryWindowTest, SelectedStringsAreComparedInColumnsUpToFour) {
  for (int day = 1; day <= 6; ++day) {
    const std::string d = "0" + std::to_string(day);
    AddString("2026-12-" + d + "_090000", {Shot(1, std::to_string(700 + day), d)});
  }
  Open();
  Select({0, 1, 2});
  auto figures = Events().Figures();
  EXPECT_EQ(figures[0], (Strings{"", "2026-12-06 09:30", "2026-12-05 09:30", "2026-12-04 09:30"}));
  EXPECT_EQ(figures[2], (Strings{"Average (fps)", "706.00", "705.00", "704.00"}));
  Select({0, 1, 2, 3, 4, 5});
  figures = Events().Figures();
  EXPECT_EQ(figures[0].size(), 5u);
  EXPECT_EQ(figures[0][0], "4 of 6");
  for (const auto& row : figures) EXPECT_EQ(row.size(), 5u);
}

// The chart overlays the selected strings in their colours with a legend of their names;
// the left-out shot is not drawn.
TEST_F(HistoryWindowTest, TheChartOverlaysTheSelectedStringsWithALegend) {
  AddTwoStrings();
  Open();
  testing::RecordingCanvas none(400, 300);
  Events().PaintChart(none);
  EXPECT_NE(std::ranges::find_if(none.calls,
                                 [](const auto& c) { return c.starts_with("text Select one"); }),
            none.calls.end());
  Select({0, 1});
  EXPECT_TRUE(Table().Enabled(HistoryWindow::kSaveChart));
  testing::RecordingCanvas canvas(400, 300);
  Events().PaintChart(canvas);
  const auto has = [&](std::string_view prefix) {
    return std::ranges::any_of(canvas.calls, [&](const auto& c) { return c.starts_with(prefix); });
  };
  EXPECT_TRUE(has("text 2026-12-08 09:30 "));
  EXPECT_TRUE(has("text Morning, JSB "));
  EXPECT_TRUE(has("pen 0,92,171 dashed"));
  EXPECT_TRUE(has("pen 245,166,35 dashed"));
  // Squares: one for the newer string, two for the older one's counted shots.
  const auto squares = std::ranges::count_if(canvas.calls, [](const std::string& c) {
    return c.starts_with("fill [") && !c.starts_with("fill [4,") && !c.ends_with("255,255,255");
  });
  EXPECT_EQ(squares, 3);
}

TEST_F(HistoryWindowTest, DeleteAsksFirstAndACancelKeepsTheString) {
  AddTwoStrings();
  Open();
  Select({1});
  messages_.answer = false;
  Run(HistoryWindow::kDelete);
  ASSERT_EQ(messages_.asked.size(), 1u);
  EXPECT_NE(messages_.asked[0].find("\"Morning, JSB\""), std::string::npos);
  EXPECT_EQ(folder_.strings.size(), 2u);
  EXPECT_TRUE(folder_.deleted.empty());

  messages_.answer = true;
  Run(HistoryWindow::kDelete);
  ASSERT_EQ(folder_.deleted.size(), 1u);
  EXPECT_EQ(folder_.deleted[0].first, std::string(kNamed) + ".csv");
  EXPECT_EQ(Events().RowCount(), 1);
  EXPECT_TRUE(Table().selected.empty());
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(HistoryWindowTest, ADeleteThatFailsIsToldWithTheSystemsText) {
  AddTwoStrings();
  Open();
  Select({0, 1});
  folder_.strings.erase(std::string(kUnnamed) + ".csv");  // gone behind the window's back
  Run(HistoryWindow::kDelete);
  EXPECT_EQ(messages_.asked.at(0).substr(0, 2), "2 ");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_NE(messages_.shown[0].find("No such file or directory"), std::string::npos);
  EXPECT_EQ(folder_.strings.size(), 1u) << "stops at the first failure";
}

TEST_F(HistoryWindowTest, NameAndNotesReachTheFileTheListAndAnOpenStringsCaption) {
  AddTwoStrings();
  Open();
  Select({0});
  Run(HistoryWindow::kOpen);
  ASSERT_EQ(windows_.tables.size(), 2u);
  EXPECT_EQ(windows_.tables[1]->texts.caption, "String: 2026-12-08 09:30");
  AnswerNaming(" Evening ", "AA Field, 8.44 gr");
  Run(HistoryWindow::kRename);
  const std::string& file = folder_.strings[std::string(kUnnamed) + ".csv"].bytes;
  EXPECT_NE(file.find("\"Evening\""), std::string::npos);
  EXPECT_NE(file.find("\"AA Field, 8.44 gr\""), std::string::npos);
  EXPECT_EQ(Row(0)[HistoryWindow::kName], "Evening");
  EXPECT_EQ(Row(0)[HistoryWindow::kNotes], "AA Field, 8.44 gr");
  EXPECT_EQ(windows_.tables[1]->caption_set, "String: Evening");
  EXPECT_EQ(Table().selected, (std::vector<int>{0})) << "the string stays selected";

  AnswerNaming("Never", "", /*ok=*/false);
  const std::size_t size = file.size();
  Run(HistoryWindow::kRename);
  EXPECT_EQ(file.size(), size);
}

TEST_F(HistoryWindowTest, ExportWritesTheSelectionOrEveryStringAndTellsAFailure) {
  AddTwoStrings();
  Open();
  Select({1});
  file_dialogs_.choice = "/out/one.csv";
  Run(HistoryWindow::kExport);
  EXPECT_EQ(file_dialogs_.asked.back(), "tarvik-history.csv");
  EXPECT_TRUE(file_dialogs_.saving.back());  // the dialog asks before replacing a file
  const std::string one = files_.files["/out/one.csv"];
  EXPECT_TRUE(one.starts_with("string,name,shot,time,velocity_fps,"));
  EXPECT_NE(one.find(kNamed), std::string::npos);
  EXPECT_EQ(one.find(kUnnamed), std::string::npos);

  Select({});
  file_dialogs_.choice = "/out/all.csv";
  Run(HistoryWindow::kExport);
  const std::string all = files_.files["/out/all.csv"];
  EXPECT_NE(all.find(kNamed), std::string::npos);
  EXPECT_NE(all.find(kUnnamed), std::string::npos);

  files_.locked.insert("/out/locked.csv");
  file_dialogs_.choice = "/out/locked.csv";
  Run(HistoryWindow::kExport);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_NE(messages_.shown[0].find("/out/locked.csv"), std::string::npos);
  EXPECT_NE(messages_.shown[0].find("Permission denied"), std::string::npos);

  file_dialogs_.choice.reset();  // cancelled
  const std::size_t written = files_.files.size();
  Run(HistoryWindow::kExport);
  EXPECT_EQ(files_.files.size(), written);
}

TEST_F(HistoryWindowTest, TheChartIsSavedInTheFormatItsNameEndsIn) {
  AddTwoStrings();
  Open();
  Select({0});
  file_dialogs_.choice = "/out/c.SVG";
  Run(HistoryWindow::kSaveChart);
  file_dialogs_.choice = "/out/c";
  Run(HistoryWindow::kSaveChart);
  ASSERT_EQ(Table().charts_saved.size(), 2u);
  EXPECT_EQ(Table().charts_saved[0], std::make_pair(std::string("/out/c.SVG"), ChartFormat::kSvg));
  EXPECT_EQ(Table().charts_saved[1], std::make_pair(std::string("/out/c.png"), ChartFormat::kPng));
  EXPECT_EQ(file_dialogs_.saving, (std::vector<bool>{true, true}));
  Table().save_error = PlatformError{28, "No space left on device"};
  Run(HistoryWindow::kSaveChart);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_NE(messages_.shown[0].find("No space left on device"), std::string::npos);
}

// A new string listed above keeps the selected one selected, on its new row.
TEST_F(HistoryWindowTest, ListingAgainKeepsTheSelectedStringsSelected) {
  AddTwoStrings();
  Open();
  Select({1});
  const int changes = Table().figures_changes;
  window_.StringsChanged();
  EXPECT_EQ(Table().figures_changes, changes) << "nothing changed, nothing redrawn";
  AddString("2026-12-09_080000", {Shot(1, "810", "09")});
  window_.StringsChanged();
  EXPECT_EQ(Events().RowCount(), 3);
  EXPECT_EQ(Table().selected, (std::vector<int>{2}));
  EXPECT_EQ(Events().Figures()[0][1], "Morning, JSB");
}

// Shown again a string at a time, as while shots come: a new string takes its place by its
// start, a changed one shows its new figures, a gone one leaves, no other file is read, and the
// selected string stays selected.
TEST_F(HistoryWindowTest, StringsShownAgainOneAtATimeKeepTheirPlacesAndTheSelection) {
  AddTwoStrings();
  AddString("2026-12-09_093001", {Shot(1, "780", "09")});
  Open();
  Select({2});  // the named string, the oldest
  AddString("2026-12-07_180000",
            {"shot,1,2026-12-07T18:00:00.000+01:00,795,21.3,15,100,1234,3,decoded,"});
  AddString(kUnnamed, {Shot(1, "790", "08"), Shot(2, "800", "08")});
  folder_.strings.erase("2026-12-09_093001.csv");
  const std::vector<std::string> ids{"2026-12-07_180000", std::string(kUnnamed),
                                     "2026-12-09_093001"};
  const int reads = folder_.reads;
  window_.StringsChanged(ids);
  EXPECT_EQ(folder_.reads, reads + 3 + 1) << "the three, and the selected string for its chart";
  ASSERT_EQ(Events().RowCount(), 3);
  EXPECT_EQ(Row(0)[HistoryWindow::kShots], "2");
  EXPECT_EQ(Row(1)[HistoryWindow::kAverage], "795.00");
  EXPECT_EQ(Table().selected, (std::vector<int>{2}));
  EXPECT_EQ(Events().Figures()[0][1], "Morning, JSB");

  const int changes = Table().figures_changes;
  window_.StringsChanged(ids);
  EXPECT_EQ(Table().figures_changes, changes) << "nothing changed, nothing redrawn";
}

TEST_F(HistoryWindowTest, TheFrameIsStoredAsItClosesAndTheWindowOpensThere) {
  Open();
  EXPECT_EQ(Table().frame.width, 760);
  Table().frame = {30, 40, 500, 300};
  Events().CloseRequested();
  EXPECT_FALSE(Table().open);
  HistoryWindow again(Services(), state_);
  state_.settings.history = {};
  again.Toggle();
  const WindowPlacement frame = windows_.tables.back()->frame;
  EXPECT_EQ(frame.x + frame.y + frame.width + frame.height, 30 + 40 + 500 + 300);
}

TEST_F(HistoryWindowTest, HelpOnEachPartShowsItsTopic) {
  Open();
  Events().HelpRequested(TablePart::kTable, 0, HelpGesture::kHelpRequest);
  Events().HelpRequested(TablePart::kChart, 0, HelpGesture::kContextMenu);
  ASSERT_EQ(help_.requests.size(), 2u);
  EXPECT_EQ(help_.requests[0].context, kHistoryContext);
  EXPECT_EQ(help_.requests[1],
            HelpRequest::ControlTopic(kComparisonContext, HelpGesture::kContextMenu));
}

}  // namespace
}  // namespace tarvik
