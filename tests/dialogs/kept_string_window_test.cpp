#include "dialogs/kept_string_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/history_fixture.h"
#include "dialogs/history_help.h"
#include "doubles/recording_canvas.h"
#include "history/history_store.h"

namespace tarvik {
namespace {

using testing::Shot;
using testing::Strings;

constexpr std::string_view kId = "2026-12-07_093001";

class KeptStringWindowTest : public testing::HistoryFixture {
 protected:
  // Four decoded shots (the third left out, the fourth undone) and one loaded from the log.
  void Open(UiLanguage language = UiLanguage::kNeutral) {
    AddString(kId,
              {Shot(1, "800.5"), Shot(2, "804"), Shot(3, "900"), Shot(4, "700"),
               "shot,5,,802,21.43,15,100,,,loaded,", "out,3,2026-12-07T09:31:00.000+01:00,,,,,,,,",
               "undo,4,2026-12-07T09:31:10.000+01:00,,,,,,,,"});
    state_.language = language;
    HistoryStore store(folder_);
    std::optional<KeptString> string = store.Load(kId);
    ASSERT_TRUE(string);
    window_ = std::make_unique<KeptStringWindow>(Services(), state_, std::move(*string),
                                                 [this] { ++renamed_; });
    ASSERT_TRUE(window_->Open({100, 120, 640, 480}));
  }
  testing::FakeTableWindow::Record& Table() { return *windows_.tables.back(); }
  TableWindowEvents& Events() { return *Table().events; }
  Strings Row(int row) {
    Strings cells;
    for (int column = 0; column < KeptStringWindow::kColumns; ++column)
      cells.push_back(Events().CellText(row, column));
    return cells;
  }

  std::unique_ptr<KeptStringWindow> window_;
  int renamed_ = 0;
};

TEST_F(KeptStringWindowTest, ShotsAreRowsThatSayWhichDoNotCountAndTheseAreDimmed) {
  Open();
  EXPECT_EQ(Table().frame.x, 100);
  EXPECT_EQ(Table().texts.caption, "String: 2026-12-07 09:30");
  ASSERT_EQ(Events().RowCount(), 5);
  EXPECT_EQ(Row(0), (Strings{"1", "09:30:01", "800.50", "21.30", "1234", "3", ""}));
  EXPECT_EQ(Row(2)[KeptStringWindow::kStatus], "left out");
  EXPECT_EQ(Row(3)[KeptStringWindow::kStatus], "undone");
  EXPECT_EQ(Row(4), (Strings{"5", "", "802.00", "21.43", "", "", "loaded"}));
  EXPECT_FALSE(Events().LookOfRow(0).dimmed);
  EXPECT_TRUE(Events().LookOfRow(2).dimmed);
  EXPECT_TRUE(Events().LookOfRow(3).dimmed);
  EXPECT_FALSE(Events().LookOfRow(4).dimmed);
}

TEST_F(KeptStringWindowTest, TheFiguresAndTheChartAreOfTheCountedShots) {
  Open();
  const auto figures = Events().Figures();
  EXPECT_EQ(figures[1], (Strings{"Shots", "3", "3"}));
  EXPECT_EQ(figures[2][1], "802.17");  // 800.5, 804 and 802
  EXPECT_EQ(figures[5][1], "800.50");
  EXPECT_EQ(figures[6][1], "804.00");
  EXPECT_EQ(figures.back(), (Strings{"Weight (grains)", "15.00", ""}));
  testing::RecordingCanvas canvas(400, 300);
  Events().PaintChart(canvas);
  EXPECT_FALSE(canvas.calls.empty());
}

TEST_F(KeptStringWindowTest, NameAndNotesReachTheFileTheCaptionAndTheHistory) {
  Open(UiLanguage::kGerman);
  EXPECT_EQ(Table().texts.caption, "Serie: 2026-12-07 09:30");
  AnswerNaming("Kalt", "JSB Exact");
  Events().Command(KeptStringWindow::kRename);
  EXPECT_EQ(Table().caption_set, "Serie: Kalt");
  EXPECT_EQ(renamed_, 1);
  HistoryStore store(folder_);
  const std::optional<KeptString> kept = store.Load(kId);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->name + "|" + kept->notes, "Kalt|JSB Exact");
  // Unchanged texts write nothing.
  const std::size_t size = folder_.strings[std::string(kId) + ".csv"].bytes.size();
  AnswerNaming("Kalt", "JSB Exact");
  Events().Command(KeptStringWindow::kRename);
  EXPECT_EQ(folder_.strings[std::string(kId) + ".csv"].bytes.size(), size);
  EXPECT_EQ(renamed_, 1);
}

TEST_F(KeptStringWindowTest, ARenameThatFailsIsToldAndTheCaptionStays) {
  Open();
  folder_.full = true;
  AnswerNaming("Lost", "");
  Events().Command(KeptStringWindow::kRename);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_NE(messages_.shown[0].find("No space left on device"), std::string::npos);
  EXPECT_EQ(Table().caption_set, "");
  EXPECT_EQ(renamed_, 0);
}

TEST_F(KeptStringWindowTest, ExportWritesThisStringAndHelpIsTheKeptStringsTopic) {
  Open();
  file_dialogs_.choice = "/out/s.csv";
  Events().Command(KeptStringWindow::kExport);
  EXPECT_NE(files_.files["/out/s.csv"].find(kId), std::string::npos);
  Events().HelpRequested(TablePart::kFigures, 0, HelpGesture::kHelpRequest);
  EXPECT_EQ(help_.requests.back().context, kKeptStringContext);
  Events().CloseRequested();
  EXPECT_FALSE(window_->IsOpen());
  EXPECT_FALSE(Table().open);
}

}  // namespace
}  // namespace tarvik
