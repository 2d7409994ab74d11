// The main window keeps every shot of the series in the history as it happens: the strings'
// files hold what the table showed, and a history that cannot be written is told once and caught
// up without losing or repeating a shot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "doubles/quiet_services.h"
#include "history/string_file.h"
#include "res/string_dialog_template.h"
#include "res/string_table.h"

namespace tarvik::testing {
namespace {

using Id = MainWindowId;

class ShotRecordingTest : public MainWindowFixture {
 protected:
  // The kept strings, oldest first (their names sort by the time they began).
  std::vector<KeptString> Kept() const {
    std::vector<KeptString> strings;
    for (const auto& [name, file] : services_.history.strings) {
      strings.push_back(ParseStringFile(name.substr(0, name.size() - 4), file.bytes));
    }
    // Strings that began in the same second: "-2" came after the plain name.
    std::ranges::stable_sort(strings, {}, [](const KeptString& s) { return s.id.size(); });
    return strings;
  }
  // The velocities of a string's shots with what became of them: "+" counted, "o" left out,
  // "u" undone, "l" loaded and counted.
  static std::string Shape(const KeptString& string) {
    std::string shape;
    for (const KeptShot& shot : string.shots) {
      shape += shot.undone ? 'u' : shot.left_out ? 'o' : shot.loaded ? 'l' : '+';
    }
    return shape;
  }
  void LeaveOut(std::vector<int> rows) {
    auto& table = *services_.windows.tables.back();
    table.selected = std::move(rows);
    table.events->Command(ShotTable::kLeaveOut);
  }
  // Ticks for a second, as the timer would, and shows a notice the ticks raised.
  void TickASecond() {
    clock_.SleepMs(1000);
    window_.Tick(MainWindow::kTimerId);
    if (view_.HasTimer(MainWindow::kNoticeTimerId)) window_.Tick(MainWindow::kNoticeTimerId);
  }
  const std::vector<std::string>& Messages() const { return services_.message_box.shown; }
};

TEST_F(ShotRecordingTest, StringsHoldEveryShotUndoneAndLeftOutMarkedAndResetClosesThem) {
  window_.Initialize();
  EXPECT_TRUE(Kept().empty());  // no shot, no string
  Command(Id::kShotTable);
  Receive("001234\r\n001240\r\n001250\r\n");
  LeaveOut({1});
  Command(Id::kUndo);
  Receive("001260\r\n");
  Command(Id::kReset);
  Command(Id::kReset);  // an empty string is not kept
  Receive("001270\r\n");

  const std::vector<KeptString> strings = Kept();
  ASSERT_EQ(strings.size(), 2u);
  EXPECT_EQ(Shape(strings[0]), "+ou+");
  EXPECT_EQ(Shape(strings[1]), "+");
  const KeptShot& first = strings[0].shots[0];
  EXPECT_DOUBLE_EQ(first.velocity, 782000.0 / 1234.0);  // exactly what the series holds
  EXPECT_EQ(first.count, 1234);
  EXPECT_EQ(first.weight, state_.settings.weight);
  EXPECT_EQ(first.calibration, state_.settings.calibration);
  ASSERT_TRUE(first.time.has_value());
  EXPECT_EQ(first.time->utc_offset_minutes, 60);
  EXPECT_TRUE(strings[0].name.empty());  // named by its date and time until the user names it
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ShotRecordingTest, NewStringIsNamedEmptiesTheSeriesAndTheHistoryListsIt) {
  window_.Initialize();
  Receive("001234\r\n");
  Command(Id::kHistory);
  EXPECT_FALSE(services_.history.index) << "the summary cache waits until the list is shown";
  Command(Id::kHistory);
  EXPECT_TRUE(services_.history.index) << "or the window closes";
  services_.history.index.reset();
  Command(Id::kHistory);
  TickASecond();
  EXPECT_TRUE(services_.history.index);
  ASSERT_EQ(services_.windows.tables.size(), 2u);
  const auto& history = *services_.windows.tables.back();
  services_.windows.script = [](DialogEvents& logic, FakeDialog& dialog) {
    dialog.Type(StringDialogId::kName, "JSB 8.44", logic);
    dialog.Type(StringDialogId::kNotes, "gun 2, 25 m", logic);
    dialog.Click(StringDialogId::kOk, logic);
  };
  Command(Id::kNewString);
  EXPECT_EQ(Text(Id::kShotCount), "0");
  Receive("001240\r\n001250\r\n");
  // Cancelled: nothing changes.
  services_.windows.script = [](DialogEvents& logic, FakeDialog& dialog) {
    dialog.Click(StringDialogId::kCancel, logic);
  };
  Command(Id::kNewString);
  EXPECT_EQ(Text(Id::kShotCount), "2");
  TickASecond();

  const std::vector<KeptString> strings = Kept();
  ASSERT_EQ(strings.size(), 2u);
  EXPECT_EQ(strings[1].name, "JSB 8.44");
  EXPECT_EQ(strings[1].notes, "gun 2, 25 m");
  EXPECT_EQ(Shape(strings[1]), "++");
  ASSERT_TRUE(history.open);
  ASSERT_EQ(history.events->RowCount(), 2);
  EXPECT_EQ(history.events->CellText(0, HistoryWindow::kName), "JSB 8.44");  // newest first
  EXPECT_EQ(history.events->CellText(0, HistoryWindow::kShots), "2");
}

// The history window runs its dialogs while shots keep coming: a name given to the string being
// recorded survives a failed write of a later shot, and a string deleted while it is recorded
// is closed, its next shot beginning a new string.
TEST_F(ShotRecordingTest, RenamingAndDeletingTheStringBeingRecordedLoseNothing) {
  window_.Initialize();
  Receive("001234\r\n");
  Command(Id::kHistory);
  auto& history = *services_.windows.tables.back();
  history.selected = {0};
  history.events->SelectionChanged();
  services_.windows.script = [&](DialogEvents& logic, FakeDialog& dialog) {
    // A shot comes while the user types, and the list is made anew under the dialog.
    clock_.SleepMs(1500);
    Receive("001240\r\n");
    dialog.Type(StringDialogId::kName, "Zeroing", logic);
    dialog.Click(StringDialogId::kOk, logic);
  };
  history.events->Command(HistoryWindow::kRename);
  services_.history.full = true;
  services_.history.partial_bytes = 9;
  Receive("001250\r\n");
  services_.history.full = false;
  TickASecond();
  ASSERT_EQ(Kept().size(), 1u);
  EXPECT_EQ(Kept()[0].name, "Zeroing");
  EXPECT_EQ(Shape(Kept()[0]), "+++");

  services_.message_box.answer = true;
  history.selected = {0};
  history.events->SelectionChanged();
  history.events->Command(HistoryWindow::kDelete);
  EXPECT_TRUE(services_.history.strings.empty());
  Receive("001260\r\n");
  ASSERT_EQ(Kept().size(), 1u);
  EXPECT_EQ(Shape(Kept()[0]), "+");
  EXPECT_EQ(services_.history.deleted.size(), 1u);
}

// While shots come, the open history shows the string being recorded within a second by reading
// its file alone; a string whose first shots waited for a full disk appears once they are written.
TEST_F(ShotRecordingTest, TheOpenHistoryFollowsTheStringBeingRecordedByReadingItAlone) {
  window_.Initialize();
  Receive("001234\r\n");
  Command(Id::kReset);
  Receive("001240\r\n");
  Command(Id::kReset);
  Command(Id::kHistory);
  const auto& history = *services_.windows.tables.back();
  ASSERT_EQ(history.events->RowCount(), 2);

  services_.history.full = true;
  Receive("001250\r\n");  // a new string, held: it has no file yet
  TickASecond();
  EXPECT_EQ(history.events->RowCount(), 2);
  services_.history.full = false;
  TickASecond();
  ASSERT_EQ(history.events->RowCount(), 3);
  EXPECT_EQ(history.events->CellText(0, HistoryWindow::kShots), "1");

  const int reads = services_.history.reads;
  Receive("001260\r\n");
  TickASecond();
  Receive("001270\r\n");
  Command(Id::kUndo);
  TickASecond();
  EXPECT_EQ(history.events->CellText(0, HistoryWindow::kShots), "2");
  EXPECT_EQ(history.events->RowCount(), 3);
  EXPECT_EQ(services_.history.reads, reads + 2) << "one file read a second, not the history";
}

TEST_F(ShotRecordingTest, LoadedShotsJoinTheStringMarkedLoaded) {
  services_.files.files[state_.settings.log_file] = "800.50,12.10,8.40\r\n810.25,12.30,8.40\r\n";
  window_.Initialize();
  Receive("001234\r\n");
  Command(Id::kLoadLog);
  const std::vector<KeptString> strings = Kept();
  ASSERT_EQ(strings.size(), 1u);
  EXPECT_EQ(Shape(strings[0]), "+ll");
  EXPECT_DOUBLE_EQ(strings[0].shots[2].velocity, 810.25);
  EXPECT_FALSE(strings[0].shots[2].time.has_value());
}

TEST_F(ShotRecordingTest, AFullDiskIsToldOnceShotsGoOnAndAreWrittenInOrderOnceThereIsRoom) {
  window_.Initialize();
  Receive("001234\r\n");
  services_.history.full = true;
  services_.history.partial_bytes = 7;  // a record torn by the full disk
  Receive("001240\r\n");
  TickASecond();
  Receive("001250\r\n");
  Command(Id::kUndo);
  TickASecond();
  EXPECT_EQ(Text(Id::kShotCount), "2");  // still shown and counted
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(
      Messages()[0].starts_with(TextOrMissing(kStrHistoryNotWritten, UiLanguage::kNeutral)));
  EXPECT_NE(Messages()[0].find(services_.history.Path()), std::string::npos);
  ASSERT_EQ(Kept().size(), 1u);
  EXPECT_EQ(Shape(Kept()[0]), "+");  // what was kept is untouched, the torn part cut off

  services_.history.full = false;
  TickASecond();
  TickASecond();
  ASSERT_EQ(Kept().size(), 1u);
  EXPECT_EQ(Shape(Kept()[0]), "++u");
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1], TextOrMissing(kStrHistoryWrittenAgain, UiLanguage::kNeutral));
}

}  // namespace
}  // namespace tarvik::testing
