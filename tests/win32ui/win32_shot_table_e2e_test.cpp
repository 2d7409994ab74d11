// The shot table from end to end on the native front: the program's main window over the
// simulated instrument on the test port (see scripts/wine-tests.sh), the table opened from its
// menu showing the shots as they come, and one shot left out and taken in again as a user does
// it, the main window's count following.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/clock.h"
#include "base/number_text.h"
#include "dialogs/app_session.h"
#include "dialogs/main_window.h"
#include "dialogs/shot_table.h"
#include "doubles/memory_settings.h"
#include "doubles/quiet_services.h"
#include "platform/win32/win32_serial_port.h"
#include "res/main_window_template.h"
#include "res/shot_table_texts.h"
#include "win32ui/program_window.h"
#include "win32ui/wide_text.h"
#include "win32ui/win32_dialog.h"
#include "win32ui/win32_table_window.h"
#include "win32ui/win32_windows.h"

namespace tarvik::win32ui {
namespace {

using Id = MainWindowId;

std::string_view TrimmedLeft(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// Every row of the list says what the core says of it, and the newest row is the main window's
// last shot.
void ExpectRowsAsTheCoreGivesThem(const ProgramWindow& program, HWND list) {
  ASSERT_EQ(ItemCount(list), program.series().row_count());
  for (int row = 0; row < ItemCount(list); ++row) {
    EXPECT_EQ(ItemText(list, row, ShotTable::kShot), FormatInt(row + 1));
    EXPECT_EQ(ItemText(list, row, ShotTable::kVelocity),
              program.table()->CellText(row, ShotTable::kVelocity))
        << "row " << row;
  }
  const std::string last_velocity = program.Field(Id::kLastVelocity);
  EXPECT_EQ(ItemText(list, ItemCount(list) - 1, ShotTable::kVelocity), TrimmedLeft(last_velocity));
}

// Leaves `row` out with the Delete key and takes it in with the button; between the steps no
// message runs, so no shot comes in between.
void LeaveOutAndTakeIn(const ProgramWindow& program, HWND table, HWND list, int row) {
  // The buttons stand in the order the core gives: leave out, take in.
  HWND leave_out = GetDlgItem(table, Win32TableWindow::kFirstButtonId);
  HWND take_in = GetDlgItem(table, Win32TableWindow::kFirstButtonId + 1);
  SelectOnly(list, row);
  // The list tells the core of the user's selection through the queue.
  ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(leave_out) != FALSE; }));
  EXPECT_FALSE(IsWindowEnabled(take_in));
  const int rows = ItemCount(list);
  const int counted = program.series().count();
  ASSERT_EQ(program.Field(Id::kShotCount), FormatInt(counted));
  const std::string velocity = ItemText(list, row, ShotTable::kVelocity);

  SendMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(list, WM_KEYUP, VK_DELETE, 0);
  EXPECT_EQ(program.Field(Id::kShotCount), FormatInt(counted - 1));
  EXPECT_EQ(ItemCount(list), rows);
  EXPECT_EQ(ItemText(list, row, ShotTable::kVelocity), velocity);
  EXPECT_TRUE(program.table()->LookOfRow(row).dimmed);
  EXPECT_FALSE(IsWindowEnabled(leave_out));
  ASSERT_TRUE(IsWindowEnabled(take_in));

  SendMessageW(take_in, BM_CLICK, 0, 0);
  EXPECT_EQ(program.Field(Id::kShotCount), FormatInt(counted));
  EXPECT_EQ(ItemCount(list), rows);
  EXPECT_FALSE(program.table()->LookOfRow(row).dimmed);
  EXPECT_TRUE(IsWindowEnabled(leave_out));
}

void RunShotTable(ProgramWindow& program) {
  ASSERT_TRUE(program.Open());
  // A few shots before the table opens, so that it opens over rows.
  ASSERT_TRUE(PumpUntil([&] { return ParseInteger(program.Field(Id::kShotCount)) >= 3; }))
      << "no shots from the instrument; the main window's count is "
      << program.Field(Id::kShotCount);
  EXPECT_TRUE(program.message_box().shown.empty());

  const std::string_view caption = ShotTableTextsFor(UiLanguage::kNeutral).caption;
  program.Choose(Id::kShotTable);
  HWND table = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (table = OwnedWindow(program.hwnd(), caption)) != nullptr; }));
  HWND list = FindWindowExW(table, nullptr, WC_LISTVIEWW, nullptr);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(program.table(), nullptr);
  ExpectRowsAsTheCoreGivesThem(program, list);

  // Shots that come while it is open are appended.
  const int opened_with = ItemCount(list);
  ASSERT_TRUE(PumpUntil([&] { return program.series().row_count() >= opened_with + 2; }));
  ExpectRowsAsTheCoreGivesThem(program, list);
  LeaveOutAndTakeIn(program, table, list, 1);

  // The menu command closes it again.
  program.Choose(Id::kShotTable);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(table); }));
}

TEST(ShotTableEndToEndTest, ListsTheInstrumentsShotsAndLeavesOneOutAndTakesItIn) {
  const char* port = std::getenv("TARVIK_TEST_PORT");
  if (port == nullptr) GTEST_SKIP() << "TARVIK_TEST_PORT names no simulated instrument";
  win32::Win32SerialPlatform serial;
  AppSession session(serial, std::make_unique<doubles::MemorySettings>(), port);
  const int exit_code =
      session.Run(UiLanguage::kNeutral, [](AppState& state, SettingsStore& store) {
        ProgramWindow program(state, store);
        RunShotTable(program);
      });
  EXPECT_EQ(exit_code, 0);
}

}  // namespace
}  // namespace tarvik::win32ui
